#!/usr/bin/env bash
# Builds the 64-bit Blenker.exe and starts it under Wine: on your display when you have one,
# otherwise inside a virtual X server (Xvfb) that you can screenshot.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. tools/wine-env.sh

bash tools/setup-debian.sh
configure_windows_build build/win64 cmake/mingw-w64-x86_64.cmake
cmake --build build/win64 -j"${JOBS:-2}" --target Blenker

wine_env "$root/build/win64"
wine_prefix_init
# Through a proxy, as with tools/serve-site.sh: the program trusts the local test authority
# that signs that proxy's certificate, in this prefix only.
if [ -n "${http_proxy:-}${HTTP_PROXY:-}" ]; then
  cmake --build build/win64 -j"${JOBS:-2}" --target trust_authority test_certificates
  HOME=$WINE_HOME_DIR wine build/win64/tests/win/trust_authority.exe \
    "Z:$root/build/win64/test-certs/authority.der" ||
    echo "The test authority could not be trusted: the site's https answers will be refused." >&2
fi
# The title file "Blenked.txt" and the sound "Blenked.wav" live in the current directory.
mkdir -p build/win64/run
cp -n res/Blenked.wav build/win64/run/ 2>/dev/null || true
cd build/win64/run
if [ -z "${DISPLAY:-}" ]; then
  # A virtual screen that anyone on this machine can look at:
  #   import -display :99 -window root shot.png
  # (xwd shows a window that lies wholly inside another one, such as the colour palette over the
  # settings, as a black box, although the screen shows it.)
  display=${BLENKER_DISPLAY:-99}
  echo "No display: running inside Xvfb on :$display."
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'wineserver -k 2>/dev/null; kill $xvfb 2>/dev/null' EXIT
  export DISPLAY=":$display"
  sleep 1
  wineserver -w
fi
# The scale to run at: BLENKER_DPI=144 for 150 %, 192 for 200 % (96 by default). Wine has one
# DPI for the whole prefix, read by each program as it starts.
HOME=$WINE_HOME_DIR wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
  /d "${BLENKER_DPI:-96}" /f >/dev/null 2>&1
HOME=$WINE_HOME_DIR wine ../Blenker.exe
