#!/usr/bin/env bash
# Sets up, builds every preset and runs every test: the portable code natively
# (with sanitizers), then both Windows builds under a throwaway Wine prefix.
# Exits non-zero when anything fails. The Windows tests run one at a time: the
# ones that drive windows share the screen and the mouse, and the others are quick.
#
# Where the kernel runs no 32-bit programs, 32-bit Wine runs in qemu's emulator,
# about a minute for each process to start. The 32-bit build then runs the
# checks that need no Wine and a short leg: its unit tests, and the 64-bit window
# tests driving the 32-bit program from start-up to the main window, through the
# full clean-up of the system's configuration folder and the automatic backup
# switched on as XP and as Windows 7 and 10 see it; a leg that hangs fails after
# twenty minutes. The container's tests stay out: under the emulator Wine cannot
# handle a fault that one of them meets (the emulator hands it no trap number),
# and the container is portable code, tested natively anyway.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
# An emulator left registered by a run that was stopped would hide what the kernel itself runs.
scripts/emulate-wine32.sh off
if scripts/wine32-runs.sh; then
    export HIVORA_LEG32=all
elif scripts/emulate-wine32.sh on; then
    trap 'scripts/emulate-wine32.sh off' EXIT
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
        export HIVORA_PATIENCE_SECONDS=600
        timeout 5m wine build/mingw-i686/tests/unit_tests.exe
        HIVORA_PROGRAM=$PWD/build/mingw-i686/src/app/HIVORA.exe timeout 20m \
            wine build/mingw-x86_64/tests/window_tests.exe \
            --gtest_filter="Cleanup.AFirstStart*:Rows/AutostartTest.OneEntryWhicheverBuildSetIt/SwitchedOn*"
    fi
    ctest --preset mingw-x86_64 -j1'
