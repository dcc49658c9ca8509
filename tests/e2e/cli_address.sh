#!/usr/bin/env bash
# direvovu-cli address against a local server answering as both services would, through
# the cache; a failing service and no service exit 1 with the reason.
source "$(dirname "$0")/lib/common.sh"

export DIREVOVU_ROOT="$tmp/root" XDG_CACHE_HOME="$tmp/cache"
mkdir -p "$DIREVOVU_ROOT"
cat >"$tmp/server.py" <<'PY'
import http.server, sys, urllib.parse
class Answer(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        url = urllib.parse.urlparse(self.path)
        q = urllib.parse.parse_qs(url.query)
        with open(sys.argv[2], 'a') as log:
            log.write(self.path + '\t' + self.headers.get('User-Agent', '') + '\n')
        if url.path == '/service/rgc.php':
            body = ('<result><location><country>KR</country><state>Seoul</state><county>Gangnam-gu</county>'
                    '<town>Yeoksam-dong %s</town></location></result>' % q['latitude'][0])
        elif url.path == '/reverse':
            body = ('<reversegeocode><result>x</result><addressparts><suburb>Центр</suburb><city>Москва</city>'
                    '<state>Москва</state><country>Россия</country></addressparts></reversegeocode>')
        else:
            self.send_response(500); self.end_headers(); return
        data = body.encode('utf-8')
        self.send_response(200)
        self.send_header('Content-Type', 'text/xml; charset=utf-8')
        self.send_header('Content-Length', str(len(data)))
        self.end_headers()
        self.wfile.write(data)
    def log_message(self, *args):
        pass
server = http.server.HTTPServer(('127.0.0.1', 0), Answer)
open(sys.argv[1], 'w').write(str(server.server_port))
server.serve_forever()
PY
python3 "$tmp/server.py" "$tmp/port" "$tmp/requests" &
server_pid=$!
trap 'kill $server_pid 2>/dev/null || true; rm -rf "$tmp"' EXIT
for _ in $(seq 50); do [ -s "$tmp/port" ] && break; sleep 0.1; done
base="http://127.0.0.1:$(cat "$tmp/port")"
settings() { printf '[VIEWER_SETUP]\r\nLANGUAGE=%s\r\nADDRESS_SERVICE_URL=%s\r\nADDRESS_SERVICE_KIND=%s\r\n' "$@" \
  >"$DIREVOVU_ROOT/Env_Setup.txt"; }

settings 0 "$base" rgc
expect_rc 0 address -33.5 151.25
diff "$tmp/out" <(printf '%s\n' "KR Seoul" "Gangnam-gu Yeoksam-dong -33.500000") || fail "rgc lines: $(cat "$tmp/out")"
grep -q $'^/service/rgc.php?appid=PilotTest&latitude=-33.500000&longitude=151.250000&output=xml\tDirevOvu/' \
  "$tmp/requests" || fail "rgc request: $(cat "$tmp/requests")"
# The same point again comes from the cache.
expect_rc 0 address -33.50001 151.25
[ "$(wc -l <"$tmp/requests")" -eq 1 ] || fail "the cache was not used"

settings 4 "$base/" nominatim
expect_rc 0 address 55.75 37.62
diff "$tmp/out" <(printf '%s\n' "Россия Москва" "Москва") || fail "nominatim lines: $(cat "$tmp/out")"
grep -q '^/reverse?format=xml&lat=55.750000&lon=37.620000&zoom=18&addressdetails=1&accept-language=ru' \
  "$tmp/requests" || fail "nominatim request: $(tail -n 1 "$tmp/requests")"

settings 1 "$base/broken" rgc
expect_rc 1 address 37.5 127
grep -q "no address" "$tmp/err" || fail "a failing service gives its reason: $(cat "$tmp/err")"
settings 1 "" rgc
expect_rc 1 address 37.5 127
grep -q "ADDRESS_SERVICE_URL" "$tmp/err" || fail "no service named"
expect_rc 1 address 91 0
expect_rc 1 address 37.5
echo "cli_address: ok"
