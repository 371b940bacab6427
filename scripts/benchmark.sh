#!/usr/bin/env bash
# Runs every benchmark and prints one table: each of our figures beside a
# reference measured in the same run, and their ratio. Not part of the tests:
# the figures belong to the machine they were taken on.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh >/dev/null
for preset in mingw-i686 mingw-x86_64; do
    cmake --build --preset "$preset" --target window_bench -- --no-print-directory -s >/dev/null
done

results=$(mktemp)
trap 'rm -f "$results"' EXIT
row() { echo "$1|$2|$3|$4" >>"$results"; } # what | ours | reference (what) | unit

for arch in i686 x86_64; do
    if [ $arch = i686 ] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
        echo "This kernel runs no 32-bit programs: no window figures for the 32-bit build." >&2
    else
        scripts/with-wine.sh wine "build/mingw-$arch/bench/window_bench.exe" 2>/dev/null | tr -d '\r' |
            while read -r name ours notepad; do
                case $name in
                startup_ms) row "start to visible window, $arch" "$ours" "$notepad (Wine's notepad)" ms ;;
                startup_bare_ms) row "start, AUTOBACK.EXE beside it, $arch" "$ours" "$notepad (bare window)" ms ;;
                startup_bare_without_autoback_ms) row "start, no AUTOBACK.EXE, $arch" "$ours" "$notepad (bare window)" ms ;;
                startup_common_controls_ms) row "start, AUTOBACK.EXE beside it, $arch" "$ours" "$notepad (bare, common controls)" ms ;;
                rest_memory_mib) row "peak memory at rest, $arch" "$ours" "$notepad (Wine's notepad)" MiB ;;
                hover_cpu_percent) row "processor while a description waits, $arch" "$ours" "$notepad (notepad idle)" % ;;
                esac
            done
    fi
    size=$(stat -c %s "build/mingw-$arch/src/app/HIVORA.exe")
    case $arch in
    i686) notepad=/usr/lib/i386-linux-gnu/wine/i386-windows/notepad.exe ;;
    *) notepad=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/notepad.exe ;;
    esac
    notepad=$(stat -c %s $notepad)
    row "size of HIVORA.exe, $arch" "$((size / 1024))" "$((notepad / 1024)) (Wine's notepad)" KiB
done

bench/container_bench.sh | tee /dev/stderr | awk '
    $3 == "clsMultiFile" || $3 == "tar" || $3 == "cp" { speed[$1 " " $2 " " $3] = $(NF - 1); peak[$1 " " $2 " " $3] = $NF }
    END {
        split("large small", names, " ")
        for (i = 1; i <= 2; i++) {
            s = names[i]
            printf "container pack, %s set|%s|%s (tar -cf)|MiB/s\n", s, speed[s " pack clsMultiFile"], speed[s " pack tar"]
            printf "container unpack, %s set|%s|%s (tar -xf)|MiB/s\n", s, speed[s " unpack clsMultiFile"], speed[s " unpack tar"]
            printf "container pack, %s set|%s|%s (cp -r)|MiB/s\n", s, speed[s " pack clsMultiFile"], speed[s " copy cp"]
            printf "container peak memory, %s set|%s|%s (tar)|MiB\n", s, peak[s " pack clsMultiFile"], peak[s " pack tar"]
        }
    }' >>"$results" 2>/dev/null

echo
awk -F'|' '{
    split($3, reference, " ")
    ratio = reference[1] > 0 ? sprintf("%.2f", $2 / reference[1]) : "-"
    printf "%-42s %10s %-6s %-44s %6s\n", $1, $2, $4, $3, ratio
}' "$results"
