#!/usr/bin/env bash
# Builds everything and runs every test: the portable unit tests natively under sanitizers, a
# short fuzzing of the two parsers, then under Wine inside Xvfb the unit, Win32 and end-to-end
# tests of the 64-bit program and the Win32 and end-to-end tests of the 32-bit one (its unit
# tests are the same portable code), each program in a Wine prefix of its own. A machine that
# cannot run 32-bit programs builds the 32-bit tests and says that it does not run them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. tools/wine-env.sh

bash tools/setup-debian.sh

jobs=${JOBS:-2}

echo "== no ANSI text names in the sources"
bash tools/check-unicode.sh

echo "== native build and unit tests (sanitizers)"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j"$jobs"
ctest --test-dir build/native --output-on-failure --no-tests=error -j"$jobs"
# The records parser against libFuzzer's inputs for a few seconds (longer: tools/fuzz.sh 600).
bash tools/fuzz.sh "${FUZZ_SECONDS:-5}"

for arch in win64 win32; do
  echo "== $arch build"
  toolchain=cmake/mingw-w64-x86_64.cmake
  [ "$arch" = win32 ] && toolchain=cmake/mingw-w64-i686.cmake
  configure_windows_build "build/$arch" "$toolchain"
  cmake --build "build/$arch" -j"$jobs"
done

# The download tests talk to their own loopback server, and the end-to-end tests set the
# program's proxy themselves: a proxy of the machine must not come between.
unset http_proxy HTTP_PROXY https_proxy HTTPS_PROXY
for arch in win64 win32; do
  if [ "$arch" = win32 ] && ! runs_32bit_programs; then
    echo "== win32 tests NOT RUN: this machine does not run 32-bit programs (IA-32 emulation is" \
      "off in its kernel), so wine32 cannot start"
    continue
  fi
  if [ "$arch" = win32 ] && ! wine32_installed; then
    echo "== win32 tests NOT RUN: wine32 could not be installed from the package archive"
    continue
  fi
  echo "== $arch tests under Wine"
  skip=()
  [ "$arch" = win32 ] && skip=(-E '^unit_tests_under_wine$')
  (
    wine_env "$root/build/$arch"
    wine_prefix_init
    wine_in_xvfb ctest --test-dir "build/$arch" --output-on-failure --no-tests=error "${skip[@]}"
  )
done
