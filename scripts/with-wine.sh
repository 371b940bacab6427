#!/usr/bin/env bash
# Runs a command inside a throwaway Wine prefix: a fresh 64-bit prefix (so both
# builds run), no debug chatter, a wineserver kept alive for the whole run, and
# a virtual display when there is none. Everything is removed afterwards.
#   scripts/with-wine.sh COMMAND [ARGS...]
set -euo pipefail

root=$(mktemp -d "${TMPDIR:-/tmp}/hivora-wine.XXXXXX")
export WINEPREFIX="$root/prefix"
export WINEARCH=win64
export WINEDEBUG=-all
# Without these overrides a new prefix stops at the Mono and Gecko installer dialogs.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Some kernels run no 32-bit Linux programs, and so no 32-bit Wine. Then the
# 64-bit loader runs everything 64-bit, and HIVORA_WINE32=0 tells the caller
# that 32-bit Windows programs cannot be run here.
export HIVORA_WINE32=1
if ! "$(dirname "$0")/wine32-runs.sh"; then
    export HIVORA_WINE32=0
    export WINELOADER=/usr/lib/wine/wine64
fi
# "wine" starts a program file of the 80386 (machine 014c in its PE header) with
# the 32-bit loader and everything else, Wine's own tools included, with the
# 64-bit one. Debian's wine starts the 32-bit loader first, which only hands a
# 64-bit program on: where 32-bit programs run emulated, that costs a minute.
mkdir -p "$root/bin"
cat >"$root/bin/wine" <<'WINE'
#!/bin/sh
if [ "$HIVORA_WINE32" = 1 ] && [ -f "$1" ] &&
    [ "$(od -An -tx1 -j$(($(od -An -tu4 -j60 -N4 "$1") + 4)) -N2 "$1" | tr -d ' \n')" = 4c01 ]; then
    exec /usr/lib/wine/wine "$@"
fi
exec /usr/lib/wine/wine64 "$@"
WINE
chmod +x "$root/bin/wine"
export PATH="$root/bin:$PATH"

xvfb_pid=
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
    # -displayfd lets Xvfb pick a free display and tell us which.
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    read -r -t 30 display <&"$fd"
    export DISPLAY=":$display"
fi

wine wineboot --init >/dev/null 2>&1
wineserver -w
wineserver -p
# Start Wine's own services now, detached from any pipe: a service started by
# the first test would inherit that test's output pipe and keep it open, and
# CTest would then wait for it to close until its time-out.
wine cmd /c exit </dev/null >/dev/null 2>&1
# A program that crashes must fail its test, not leave a dialog over the screen for the next tests.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
# No window manager runs on our virtual display. Windows that Wine leaves to one would wait two
# seconds for it whenever they are hidden, which delays every program's end.
if [ -n "$xvfb_pid" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
fi

# Wine ends the desktop a second after the last program on it has ended, and the next program that needs
# it starts Wine's desktop process again as its own child: a test's job would end that with the program,
# and the desktop's shell would answer late. A console program waiting for input keeps the desktop for
# the whole run; it ends with the wineserver.
mkfifo "$root/keep"
wine cmd <"$root/keep" >/dev/null 2>&1 &
exec {keep}>"$root/keep"

"$@"
