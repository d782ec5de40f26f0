#!/usr/bin/env bash
# Makes what a user downloads: dist/Blenker-<version>-x86.zip and dist/Blenker-<version>-x64.zip,
# each holding the program built in release mode, its sound and its read-me. The same tree gives
# the same bytes: the programs carry no time stamp (linked with --no-insert-timestamp), and the
# zip entries have a fixed order, time and mode, with no extra fields.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/setup-debian.sh

version=$(sed -n 's/^set(BLENKER_VERSION "\(.*\)")$/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "No BLENKER_VERSION in CMakeLists.txt" >&2; exit 1; }
mkdir -p dist

for arch in x86 x64; do
  build=build/win32
  toolchain=cmake/mingw-w64-i686.cmake
  if [ "$arch" = x64 ]; then
    build=build/win64
    toolchain=cmake/mingw-w64-x86_64.cmake
  fi
  cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j"${JOBS:-2}" --target Blenker

  stage=$(mktemp -d)
  trap 'rm -rf "$stage"' EXIT
  cp "$build/Blenker.exe" res/Blenked.wav "$build/ReadMe.txt" "$stage/"
  chmod 644 "$stage"/*
  # Zip keeps local times: in UTC, the date of the release's year.
  TZ=UTC touch -d '2005-01-01 00:00:00' "$stage"/*
  zip_file=$root/dist/Blenker-$version-$arch.zip
  rm -f "$zip_file"
  (cd "$stage" && TZ=UTC zip -q -X -D "$zip_file" Blenker.exe Blenked.wav ReadMe.txt)
  rm -rf "$stage"
  trap - EXIT
  echo "$zip_file: $(sha256sum "$zip_file" | cut -d' ' -f1)"
done
