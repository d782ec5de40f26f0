#!/usr/bin/env bash
# Fails when the program's sources name an ANSI text function, structure, message or class
# name of Windows: every name X...A whose twin X...W the MinGW-w64 headers declare (so
# SendMessageA, TTTOOLINFOA, TTM_ADDTOOLA, IShellLinkA; not GWLP_USERDATA or GetProcAddress).
# Text goes to Windows as UTF-16, converted in one place (src/framework/text.h).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
headers=${MINGW_HEADERS:-/usr/share/mingw-w64/include}
[ -d "$headers" ] || { echo "check-unicode: no MinGW-w64 headers in $headers" >&2; exit 2; }

names=$(grep -rhoE '\b[A-Za-z_][A-Za-z0-9_]*A\b' "$root/src" | sort -u)
found=0
for name in $names; do
  if grep -rqw --include='*.h' "${name%A}W" "$headers"; then
    grep -rnw "$name" "$root/src" | sed 's/^/ANSI name: /'
    found=1
  fi
done
if [ "$found" -ne 0 ]; then
  echo "check-unicode: the sources above use ANSI names; use the W forms" >&2
  exit 1
fi
echo "check-unicode: no ANSI text names in src/"
