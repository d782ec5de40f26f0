#!/usr/bin/env bash
# Fuzzes the records parser, then the themes file reader, with libFuzzer (clang) for a number of
# seconds each: the first argument, 5 by default. Builds in build/fuzz and keeps the corpora
# there between runs; ends non-zero when a fuzzer finds a crash, whose input it then writes to
# build/fuzz/artifacts.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

seconds=${1:-5}
build=build/fuzz

echo "== records and themes fuzzers, $seconds s each"
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBLENKER_FUZZ=ON -DBLENKER_SANITIZE=OFF >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target records_fuzz themes_fuzz

corpus=$build/corpus/records
mkdir -p "$corpus" "$build/artifacts"
printf '@Alpha\none\ntwo\n\n@Beta\n@Gamma\n  x@y\n' >"$corpus/seed-example"
printf '@VersionNumber\r\n2006\r\n@Download\r\nhttp://www.vorlen.example/blenker/Blenker.zip\r\n@Infos_ENG\r\nFaster scans.\r\n\r\n@Infos_FRA\r\nPlus rapide.' >"$corpus/seed-release"
cp site/blenker/tbk_update.txt site/blenker/tbk_titles.txt "$corpus/"
printf 'XDoc\r1\r\n@ Doc \n-1\n @x\n\n' >"$corpus/seed-odd"

"$build/tests/fuzz/records_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$build/artifacts/" "$corpus"

# The themes reader starts from the same files.
themes=$build/corpus/themes
mkdir -p "$themes"
cp "$corpus"/seed-* site/blenker/tbk_titles.txt "$themes/"
printf '@Doc\n1\n@File\n1\n@Themes\na A#B\nb  C # D\n\n@a\nx \nx\n\ty\n\n@b\nz' >"$themes/seed-example"
"$build/tests/fuzz/themes_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$build/artifacts/" "$themes"
