#!/usr/bin/env bash
# Where the kernel runs no 32-bit Linux programs, lets qemu's user-mode emulator
# run them, so that 32-bit Wine, and with it the 32-bit build, runs after all:
# slowly, about a minute for each process to start. binfmt_misc hands 32-bit x86
# programs to the emulator (Debian's package registers it for other machines
# only); that needs root.
#   scripts/emulate-wine32.sh on    succeeds when 32-bit Wine runs afterwards
#   scripts/emulate-wine32.sh off   gives 32-bit programs back to the kernel
set -euo pipefail
cd "$(dirname "$0")/.."

sudo_if_needed() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
binfmt=/proc/sys/fs/binfmt_misc
entry=$binfmt/hivora-i386

case ${1-} in
off)
    if [ -e $entry ]; then echo -1 | sudo_if_needed tee $entry >/dev/null; fi
    ;;
on)
    scripts/setup.sh qemu-user-static
    [ -e $binfmt/register ] || sudo_if_needed mount -t binfmt_misc binfmt_misc $binfmt
    if [ ! -e $entry ]; then
        # An ELF header of class 32, little-endian, for the 80386, executable or shared; "F" opens
        # the emulator now, so that it also runs inside other roots.
        magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
        mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
        echo ":hivora-i386:M::$magic:$mask:/usr/bin/qemu-i386-static:F" |
            sudo_if_needed tee $binfmt/register >/dev/null
    fi
    scripts/wine32-runs.sh
    ;;
*)
    echo "usage: $0 on|off" >&2
    exit 2
    ;;
esac
