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
  wine wine64 fonts-wine xvfb xauth x11-apps imagemagick xdotool zip
  openssl python3
  unicode-data  # CaseFolding.txt: tools/make_case_fold.py and the folding table's test
)

missing() {
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      echo "$package"
    fi
  done
}

install() {
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "$@" >/dev/null
}

mapfile -t wanted < <(missing "${packages[@]}" "${wine32[@]}")
if ((${#wanted[@]})); then
  echo "Installing: ${wanted[*]}"
  # A mirror in the middle of a sync can fail one list; what the others hold is still used.
  "${sudo[@]}" apt-get update -qq || echo "apt-get update reported errors; going on with the lists it has"
  mapfile -t wanted < <(missing "${packages[@]}")
  ((${#wanted[@]} == 0)) || install "${wanted[@]}"
  # The 32-bit Wine needs i386 packages of the same versions as the installed amd64 ones; when
  # the archive cannot give them, the 32-bit program is only built (tools/test.sh says so).
  if ((${#wine32[@]})) && ! install "${wine32[@]}"; then
    echo "wine32 could not be installed from the package archive: the 32-bit tests will not run"
  fi
fi
