#!/usr/bin/env bash
# Sets up, builds every preset and runs every test: the portable code natively
# (with sanitizers), then both Windows builds under a throwaway Wine prefix.
# Exits non-zero when anything fails. The Windows tests run one at a time: the
# ones that drive windows share the screen and the mouse, and the others are quick.
#
# Where the kernel runs no 32-bit programs, 32-bit Wine runs in qemu's emulator,
# about a minute for each process start: the 32-bit build then runs the checks
# that need no Wine and a short leg through the real program (start-up to the
# main window, the automatic backup switched on as XP and as Windows 10 see it,
# the full clean-up of the system's configuration folder).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
if scripts/wine32-runs.sh; then
    export HIVORA_LEG32=all
elif scripts/emulate-wine32.sh; then
    echo "This kernel runs no 32-bit programs: 32-bit Wine runs in qemu's emulator, for a short 32-bit leg."
    export HIVORA_LEG32=short
else
    echo "This kernel runs no 32-bit programs, so no 32-bit Wine: of the 32-bit build only the checks that need no Wine run."
    export HIVORA_LEG32=none
fi
if [ $HIVORA_LEG32 = none ]; then
    scripts/build.sh native mingw-x86_64
    scripts/build.sh --program mingw-i686
else
    scripts/build.sh
fi

ctest --preset native
scripts/with-wine.sh bash -c '
    set -e
    if [ $HIVORA_LEG32 = all ]; then
        ctest --preset mingw-i686 -j1
    else
        HIVORA_LIST_NO_TESTS=1 ctest --preset mingw-i686 -L nowine
    fi
    if [ $HIVORA_LEG32 = short ]; then
        HIVORA_PATIENCE_SECONDS=900 wine build/mingw-i686/tests/window_tests.exe --gtest_filter="$(
            printf %s "Cleanup.AFirstStart*:Rows/AutostartTest.OneEntryWhicheverBuildSetIt/SwitchedOnBeforeVista:" \
                "Rows/AutostartTest.OneEntryWhicheverBuildSetIt/SwitchedOnOnWindows10")"
    fi
    ctest --preset mingw-x86_64 -j1'
