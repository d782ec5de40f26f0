#!/usr/bin/env bash
# Builds the 64-bit Blenker.exe and starts it under Wine: on your display when you have one,
# otherwise inside a virtual X server (Xvfb) that you can screenshot.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. tools/wine-env.sh

bash tools/setup-debian.sh
cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win64 -j"${JOBS:-2}" --target Blenker

wine_env "$root/build/win64"
wine_prefix_init
# The title file lives in the current directory.
mkdir -p build/win64/run
cd build/win64/run
if [ -n "${DISPLAY:-}" ]; then
  HOME=$WINE_HOME_DIR exec wine ../Blenker.exe
fi
echo "No display: running inside Xvfb (screen :${BLENKER_DISPLAY:-99})."
exec xvfb-run -n "${BLENKER_DISPLAY:-99}" -s "-screen 0 1280x1024x24" \
  env HOME="$WINE_HOME_DIR" wine ../Blenker.exe
