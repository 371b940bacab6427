#!/usr/bin/env bash
# Succeeds where 32-bit Wine runs. Some kernels run no 32-bit Linux programs at
# all, and then no 32-bit Windows program runs under Wine either.
exec /usr/lib/wine/wine --version >/dev/null 2>&1
