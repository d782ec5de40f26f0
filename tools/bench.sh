#!/usr/bin/env bash
# Benchmarks (not tests): title matching, the index's memory, its rebuild and the load of a title
# file natively with Google Benchmark; under Wine a scan pass over 200 real windows against the
# bare enumeration, the start of the program with 100 000 titles against 10, and how long a
# pop-up lives with "InstantBlenk" on against off. All print ratios.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. tools/wine-env.sh
bash tools/setup-debian.sh

cmake -S . -B build/bench-native -DCMAKE_BUILD_TYPE=Release -DBLENKER_SANITIZE=OFF >/dev/null
cmake --build build/bench-native -j"${JOBS:-2}" --target match_bench
build/bench-native/bench/native/match_bench --benchmark_color=false

configure_windows_build build/win64 cmake/mingw-w64-x86_64.cmake
cmake --build build/win64 -j"${JOBS:-2}" --target Blenker scan_bench start_bench instant_bench
wine_env "$root/build/win64"
wine_prefix_init
wine_in_xvfb wine build/win64/bench/wine/scan_bench.exe
wine_in_xvfb wine build/win64/bench/wine/start_bench.exe
wine_in_xvfb wine build/win64/bench/wine/instant_bench.exe
