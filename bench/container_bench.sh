#!/usr/bin/env bash
# Packs and unpacks two generated data sets with clsMultiFile and, in the same run, with tar and cp, and prints
# throughput and peak memory. Not a test: the figures belong to the machine. Each figure is the best of RUNS
# rounds (default 3) on a warm page cache; within a round the tools take turns, so that all of them meet the
# file system in the same state (cp takes a turn in the packing and in the unpacking rounds). All data lives in a temporary folder that is removed at the end.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
runs=${RUNS:-3}
work=$(mktemp -d "${TMPDIR:-/tmp}/hivora-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Optimised whatever the build type of the native build.
driver=$work/container_bench
c++ -std=c++20 -O2 -DNDEBUG -I"$root/src" "$root/bench/container_bench.cpp" \
    "$root/src/container/clsMultiFile.cpp" "$root/src/container/MultiFilePlatform.cpp" \
    "$root/src/container/MultiFilePlatform_posix.cpp" -o "$driver"

declare -A seconds peak_kib

# generate SET FOLDER: about 1 GiB in 64 files, or 20,000 files of 8 KiB, of random bytes.
generate() {
    mkdir -p "$2"
    if [[ $1 == large ]]; then
        head -c $((64 << 24)) /dev/urandom | split -b $((1 << 24)) -d -a 2 - "$2/large"
    else
        head -c $((20000 << 13)) /dev/urandom | split -b $((1 << 13)) -d -a 5 - "$2/small"
    fi
}

# time_once KEY COMMAND...: runs the command once, keeping the best time and the largest peak memory under KEY.
time_once() {
    local key=$1
    shift
    sync
    local start end elapsed kib
    start=$(date +%s%N)
    /usr/bin/time -v -o "$work/time.txt" "$@"
    end=$(date +%s%N)
    elapsed=$(awk -v ns=$((end - start)) 'BEGIN { printf "%.3f", ns / 1e9 }')
    kib=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
    if [[ -z ${seconds[$key]:-} ]] || awk -v a="$elapsed" -v b="${seconds[$key]}" 'BEGIN { exit !(a < b) }'; then
        seconds[$key]=$elapsed
    fi
    if ((kib > ${peak_kib[$key]:-0})); then
        peak_kib[$key]=$kib
    fi
}

row() { # SET OPERATION TOOL BYTES
    local key="$1 $2 $3"
    awk -v set="$1" -v op="$2" -v tool="$3" -v bytes="$4" -v s="${seconds[$key]}" -v kib="${peak_kib[$key]}" \
        'BEGIN { printf "%-6s %-7s %-13s %8.3f %9.1f %9.1f\n", set, op, tool, s, bytes / 1048576 / s, kib / 1024 }'
}

ratio() { # KEY KEY: time of the first divided by the second
    awk -v a="${seconds[$1]}" -v b="${seconds[$2]}" 'BEGIN { printf "%.2f", a / b }'
}

printf "%-6s %-7s %-13s %8s %9s %9s\n" set op tool seconds "MiB/s" "peak MiB"
for set in large small; do
    source=$work/$set
    out=$work/out
    generate "$set" "$source"
    mkdir "$out"
    bytes=$(find "$source" -type f -printf '%s\n' | awk '{ sum += $1 } END { print sum }')
    files=$(find "$source" -type f | wc -l)

    # Round 0's outputs stay for unpacking and comparing; the large set's others go at once to spare the page cache.
    for ((run = 0; run < runs; run++)); do
        time_once "$set pack clsMultiFile" "$driver" pack "$source" "$out/containers$run"
        time_once "$set pack tar -cf" tar -cf "$out/archive$run.tar" -C "$source" .
        time_once "$set copy cp -r" cp -r "$source" "$out/copy$run"
        if [[ $set == large && $run -gt 0 ]]; then
            rm -rf "$out/containers$run" "$out/archive$run.tar" "$out/copy$run"
        fi
    done
    # A file that copy_file_range has just written sits in the page cache in small pages, which slows reading it
    # back while cached; rewritten with plain writes, the containers are cached as tar's archive and cp's sources
    # are, and as a container read from disk would be.
    for container in "$out/containers0"/*; do
        cat "$container" >"$container.rewritten"
        mv "$container.rewritten" "$container"
    done
    for ((run = 0; run < runs; run++)); do
        time_once "$set unpack clsMultiFile" "$driver" unpack "$out/containers0" "$out/unpacked$run"
        mkdir "$out/untarred$run"
        time_once "$set unpack tar -xf" tar -xf "$out/archive0.tar" -C "$out/untarred$run"
        # cp takes its turn here too: copying is what both packing and unpacking are measured against.
        time_once "$set copy cp -r" cp -r "$source" "$out/copy-again$run"
        if [[ $set == large && $run -gt 0 ]]; then
            rm -rf "$out/unpacked$run" "$out/untarred$run" "$out/copy-again$run"
        fi
    done
    diff -rq "$source" "$out/unpacked0" >/dev/null || { echo "unpacked $set set differs from its source" >&2; exit 1; }

    row "$set" pack clsMultiFile "$bytes"
    row "$set" pack "tar -cf" "$bytes"
    row "$set" copy "cp -r" "$bytes"
    row "$set" unpack clsMultiFile "$bytes"
    row "$set" unpack "tar -xf" "$bytes"
    echo "       ($files files, $(ls "$out/containers0" | wc -l) containers)"
    rm -rf "$source" "$out"
done

echo
echo "time relative to tar (below 1 is faster) and to cp:"
for set in large small; do
    echo "  $set pack   / tar -cf: $(ratio "$set pack clsMultiFile" "$set pack tar -cf")"
    echo "  $set unpack / tar -xf: $(ratio "$set unpack clsMultiFile" "$set unpack tar -xf")"
done
echo "  large pack   / cp -r:   $(ratio "large pack clsMultiFile" "large copy cp -r")"
echo "  large unpack / cp -r:   $(ratio "large unpack clsMultiFile" "large copy cp -r")"
