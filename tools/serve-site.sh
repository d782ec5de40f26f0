#!/usr/bin/env bash
# Serves the maker's web site (site/) on this machine only, to try the release check and the
# theme update by hand. The program reaches it through the system proxy setting, whatever host
# its addresses name:
#   tools/serve-site.sh [port]        (default 8080)
#   http_proxy=http://127.0.0.1:8080 tools/run.sh
# The proxy request names the whole address ("GET http://host/blenker/...") and the server
# answers it from site/ by its path.
set -euo pipefail
cd "$(dirname "$0")/.."
port="${1:-8080}"
exec python3 - "$port" <<'PY'
import http.server, sys, urllib.parse

class Handler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory="site", **kwargs)

    def do_GET(self):
        # A proxy request carries the absolute address; only its path is served.
        self.path = urllib.parse.urlsplit(self.path).path or "/"
        super().do_GET()

server = http.server.ThreadingHTTPServer(("127.0.0.1", int(sys.argv[1])), Handler)
print(f"Serving site/ on http://127.0.0.1:{sys.argv[1]}/ (Ctrl+C ends)", flush=True)
server.serve_forever()
PY
