#!/usr/bin/env bash
# Builds everything and runs every test: the portable unit tests natively under sanitizers, a
# short fuzzing of the records parser, the 32-bit program (built, not run: this Wine runs 64-bit
# programs only), then the unit, Win32 and end-to-end tests of the 64-bit program under Wine
# inside one Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. tools/wine-env.sh

bash tools/setup-debian.sh

jobs=${JOBS:-2}

echo "== native build and unit tests (sanitizers)"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j"$jobs"
ctest --test-dir build/native --output-on-failure --no-tests=error -j"$jobs"
# The records parser against libFuzzer's inputs for a few seconds (longer: tools/fuzz.sh 600).
bash tools/fuzz.sh "${FUZZ_SECONDS:-5}"

echo "== 32-bit Windows build"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j"$jobs" --target Blenker

echo "== 64-bit Windows build"
cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win64 -j"$jobs"

echo "== tests under Wine"
wine_env "$root/build/win64"
wine_prefix_init
# The download tests talk to their own loopback server, and the end-to-end tests set the
# program's proxy themselves: a proxy of the machine must not come between.
unset http_proxy HTTP_PROXY https_proxy HTTPS_PROXY
wine_in_xvfb ctest --test-dir build/win64 --output-on-failure --no-tests=error
