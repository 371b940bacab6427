#!/usr/bin/env bash
# CTest's emulator for the Windows builds. It refuses to run outside the
# throwaway prefix of scripts/with-wine.sh, so no test ever writes to ~/.wine.
if [ -z "${WINEPREFIX:-}" ]; then
    echo "Run the Windows tests through scripts/with-wine.sh (no WINEPREFIX set)." >&2
    exit 1
fi
exec wine "$@"
