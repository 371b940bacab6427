#!/usr/bin/env bash
# Takes the README's picture of the main window: the demo under Wine on a
# virtual display, captured and cut to the window.
#   scripts/screenshot.sh [OUTPUT.png]
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-docs/main-window.png}

scripts/setup.sh imagemagick
scripts/build.sh mingw-i686
demo=$(mktemp -d)
trap 'rm -rf "$demo"' EXIT
scripts/make-demo.sh build/mingw-i686 "$demo/demo"

capture() {
    cd "$1"
    wine HIVORA.exe &
    sleep 4
    import -window root "$2"
    wineserver -k
}
export -f capture
unset DISPLAY
scripts/with-wine.sh bash -c "capture '$demo/demo' '$demo/screen.png'"
mkdir -p "$(dirname "$output")"
convert "$demo/screen.png" -trim +repage "$output"
echo "Wrote $output"
