#!/usr/bin/env bash
# Configures and builds the given presets (default: all three). With --program,
# only the program and its language package: what a release package holds.
#   scripts/build.sh [--program] [native] [mingw-i686] [mingw-x86_64]
set -euo pipefail
cd "$(dirname "$0")/.."

targets=()
if [ "${1:-}" = --program ]; then
    targets=(--target HIVORA hivora_loc)
    shift
fi
presets=("$@")
[ ${#presets[@]} -eq 0 ] && presets=(native mingw-i686 mingw-x86_64)
for preset in "${presets[@]}"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" "${targets[@]}" -- --no-print-directory -s
done
