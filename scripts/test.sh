#!/usr/bin/env bash
# Sets up, builds every preset and runs every test: the portable code natively
# (with sanitizers), then both Windows builds under a throwaway Wine prefix.
# Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh

ctest --preset native
scripts/with-wine.sh bash -c 'ctest --preset mingw-i686 && ctest --preset mingw-x86_64'
