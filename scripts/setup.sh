#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, and nothing when it is
# all there already: CMake, the MinGW-w64 cross compilers, Wine for both
# architectures, a virtual display and the GoogleTest sources. Further packages
# that a script needs besides these are named as arguments.
#   scripts/setup.sh [PACKAGE...]
set -euo pipefail

packages=(
    cmake make g++
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
    wine wine64 wine32:i386
    xvfb xauth
    fonts-wine fonts-liberation
    googletest
    "$@"
)

sudo_if_needed() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    sudo_if_needed dpkg --add-architecture i386
fi
sudo_if_needed apt-get update -qq
sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
