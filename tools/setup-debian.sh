#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing The Blenker need, when missing.
# The 32-bit program runs under wine32, a package of the i386 architecture, which is added first;
# on a machine that cannot run 32-bit programs at all, wine32 is left out (it would break the
# 64-bit Wine as well) and the 32-bit program is only built.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
wine32=()
if runs_32bit_programs; then
  wine32=(wine32:i386)
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "Adding the i386 architecture (for wine32)"
    "${sudo[@]}" dpkg --add-architecture i386
  fi
fi

packages=(
  cmake make g++ googletest libbenchmark-dev clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
  wine wine64 "${wine32[@]}" fonts-wine xvfb xauth x11-apps imagemagick zip
  openssl python3
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi
