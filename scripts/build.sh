#!/usr/bin/env bash
# Configures and builds the given presets (default: all three).
#   scripts/build.sh [native] [mingw-i686] [mingw-x86_64]
set -euo pipefail
cd "$(dirname "$0")/.."

presets=("$@")
[ ${#presets[@]} -eq 0 ] && presets=(native mingw-i686 mingw-x86_64)
for preset in "${presets[@]}"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -- --no-print-directory -s
done
