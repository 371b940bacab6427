#!/usr/bin/env bash
# Builds the container's libFuzzer target with clang (AddressSanitizer and UBSan on) and runs it for the given
# number of minutes. Inputs that make it fail are written to fuzz/crashes/, which the test run replays from then
# on; the corpus it grows stays in the build folder.
set -euo pipefail

minutes=${1:?usage: scripts/fuzz.sh MINUTES}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/fuzz

"$root/scripts/setup.sh" clang libclang-rt-14-dev

cmake -S "$root" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHIVORA_SANITIZE=ON -DHIVORA_FUZZ=ON >/dev/null
cmake --build "$build" --target container_fuzz -j2

mkdir -p "$build/corpus/container"
"$build/fuzz/container_fuzz" -max_total_time=$((minutes * 60)) -print_final_stats=1 \
    -dict="$root/fuzz/container.dict" -artifact_prefix="$root/fuzz/crashes/" \
    "$build/corpus/container" "$root/fuzz/corpus/container"
