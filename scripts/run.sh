#!/usr/bin/env bash
# Sets up, builds the 32-bit program (the one that runs on every Windows) and
# opens it under Wine in a demo folder where every button has something to do.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh mingw-i686

demo="$PWD/build/demo"
scripts/make-demo.sh build/mingw-i686 "$demo"

export WINEPREFIX="$PWD/build/wineprefix-demo"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -d "$WINEPREFIX" ]; then
    wineboot --init >/dev/null 2>&1
fi

echo "Demo folder: $demo"
echo "The outside tools are stand-ins: what the program starts is written to $demo/standins.log"
cd "$demo"
if [ -z "${DISPLAY:-}" ]; then
    echo "No display: starting the program on a virtual one (Xvfb)."
    exec xvfb-run -a wine "$demo/HIVORA.exe"
fi
exec wine "$demo/HIVORA.exe"
