#!/usr/bin/env bash
# Sets up, builds the 32-bit program (the one that runs on every Windows) and
# opens it under Wine in a demo folder where every button has something to do.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
# Where the kernel runs no 32-bit programs there is no 32-bit Wine: the 64-bit
# program stands in, through Wine's 64-bit loader.
preset=mingw-i686
wine=wine
if ! scripts/wine32-runs.sh; then
    echo "This kernel runs no 32-bit programs, so no 32-bit Wine: opening the 64-bit build."
    preset=mingw-x86_64
    wine=/usr/lib/wine/wine64
    export WINELOADER=$wine
fi
scripts/build.sh $preset

demo="$PWD/build/demo"
scripts/make-demo.sh build/$preset "$demo"

export WINEPREFIX="$PWD/build/wineprefix-demo"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -d "$WINEPREFIX" ]; then
    $wine wineboot --init >/dev/null 2>&1
fi

echo "Demo folder: $demo"
echo "The outside tools are stand-ins: what the program starts is written to $demo/standins.log"
cd "$demo"
if [ -z "${DISPLAY:-}" ]; then
    echo "No display: starting the program on a virtual one (Xvfb)."
    exec xvfb-run -a $wine "$demo/HIVORA.exe"
fi
exec $wine "$demo/HIVORA.exe"
