#!/usr/bin/env bash
# CTest's emulator for the Windows builds. It refuses to run outside the
# throwaway prefix of scripts/with-wine.sh, so no test ever writes to ~/.wine.
if [ -z "${WINEPREFIX:-}" ]; then
    echo "Run the Windows tests through scripts/with-wine.sh (no WINEPREFIX set)." >&2
    exit 1
fi
# scripts/test.sh sets this where no 32-bit Wine can run: the 32-bit test
# programs then list no tests, and only the checks that need no Wine run.
if [ "${HIVORA_LIST_NO_TESTS:-}" = 1 ] && [ "${2:-}" = --gtest_list_tests ]; then
    exit 0
fi
exec wine "$@"
