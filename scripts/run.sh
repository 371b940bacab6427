#!/usr/bin/env bash
# Sets up, builds the 32-bit program (the one that runs on every Windows) and
# opens it under Wine from a demo folder, with a Wine prefix of its own.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh mingw-i686

demo="$PWD/build/demo"
mkdir -p "$demo"
cp build/mingw-i686/src/app/HIVORA.exe "$demo/"

export WINEPREFIX="$PWD/build/wineprefix-demo"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -d "$WINEPREFIX" ]; then
    wineboot --init >/dev/null 2>&1
fi

echo "Demo folder: $demo"
if [ -z "${DISPLAY:-}" ]; then
    echo "No display: starting the program on a virtual one (Xvfb)."
    exec xvfb-run -a wine "$demo/HIVORA.exe"
fi
cd "$demo"
exec wine "$demo/HIVORA.exe"
