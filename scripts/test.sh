#!/usr/bin/env bash
# Sets up, builds every preset and runs every test: the portable code natively
# (with sanitizers), then both Windows builds under a throwaway Wine prefix.
# Exits non-zero when anything fails. The Windows tests run one at a time: the
# ones that drive windows share the screen and the mouse, and the others are quick.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
if scripts/wine32-runs.sh; then
    scripts/build.sh
else
    echo "This kernel runs no 32-bit programs, so no 32-bit Wine: of the 32-bit build only the checks that need no Wine run."
    scripts/build.sh native mingw-x86_64
    scripts/build.sh --program mingw-i686
fi

ctest --preset native
scripts/with-wine.sh bash -c '
    set -e
    if [ "$HIVORA_WINE32" = 1 ]; then
        ctest --preset mingw-i686 -j1
    else
        HIVORA_LIST_NO_TESTS=1 ctest --preset mingw-i686 -L nowine
    fi
    ctest --preset mingw-x86_64 -j1'
