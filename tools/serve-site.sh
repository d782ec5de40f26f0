#!/usr/bin/env bash
# Serves the maker's web site (site/) on this machine only, to try the release check and the
# theme update by hand. The program reaches it through the system proxy setting, whatever host
# its addresses name:
#   tools/serve-site.sh [port]        (default 8080)
#   http_proxy=http://127.0.0.1:8080 tools/run.sh
# A plain request ("GET http://host/blenker/...") is answered from site/ by its path; an https
# one comes as "CONNECT host:443", and the proxy answers it over TLS with a certificate for the
# build's site host from a local test authority, made once under build/win64/test-certs.
# tools/run.sh trusts that authority in its own Wine prefix only, when http_proxy is set.
set -euo pipefail
cd "$(dirname "$0")/.."
port="${1:-8080}"
# The host the built program names: the build tree's setting, or the project's default.
host=$(sed -n 's/^BLENKER_SITE_HOST:STRING=//p' build/win64/CMakeCache.txt 2>/dev/null || true)
[ -n "$host" ] || host=$(sed -n 's/.*set(BLENKER_SITE_HOST "\([^"]*\)".*/\1/p' CMakeLists.txt)
certs=build/win64/test-certs
bash tools/make-test-certs.sh "$certs" "$host"
exec python3 tools/site_proxy.py --site site --cert "$certs/trusted.pem" --port "$port"
