#!/usr/bin/env bash
# direvovu-cli info and track on recordings made by direvovu-sample: plain and
# encrypted, with and without a GPS fix, damaged and foreign files.
source "$(dirname "$0")/lib/common.sh"

opts=(--start 2012-03-14T09:05:07 --seconds 6 --size 160x120 --no-fix-seconds 2 --gps-start 37.5,127.0)
"$sample" recording --out "$tmp/plain" "${opts[@]}" >/dev/null
"$sample" recording --out "$tmp/enc" "${opts[@]}" --password ab12 --no-rear >/dev/null
front="$tmp/plain/drf0_20120314_090507.mp4"
rear="$tmp/plain/drf1_20120314_090507.mp4"
enc="$tmp/enc/drf0_20120314_090507.mp4"

# info of a plain front recording: every line, in order.
expect_rc 0 info "$front"
head -n 8 "$tmp/out" | diff - <(printf '%s\n' "name: yes" "channel: front" "kind: Driving" "encrypted: no" \
  "result: Loaded" "duration-ms: 6000" "records: 6" "records-per-second: 1.000000") || fail "info lines"
grep -Eq '^peak-g: [0-2]\.[0-9]{3}$' "$tmp/out" || fail "peak-g line: $(tail -n 1 "$tmp/out")"
[ "$(wc -l <"$tmp/out")" -eq 9 ] || fail "info prints 9 lines"
expect_rc 0 info "$rear"
grep -qx "channel: rear" "$tmp/out" || fail "rear channel"

# The kind follows the folder.
mkdir -p "$tmp/card/Event"
cp "$front" "$tmp/card/Event/"
expect_rc 0 info "$tmp/card/Event/drf0_20120314_090507.mp4"
grep -qx "kind: Event" "$tmp/out" || fail "Event kind"

# CSV: header, one row per second, no position for the seconds without a fix.
expect_rc 0 track "$front"
cp "$tmp/out" "$tmp/plain.csv"
python3 - "$tmp/plain.csv" <<'PY' || fail "csv"
import csv, re, sys
rows = list(csv.reader(open(sys.argv[1])))
assert rows[0] == ['index', 'utc', 'accel_x', 'accel_y', 'accel_z', 'latitude', 'longitude', 'speed_kmh'], rows[0]
rows = rows[1:]
assert len(rows) == 6, len(rows)
for i, r in enumerate(rows):
    assert r[0] == str(i), r
    assert r[1] == '2012-03-14T09:05:%02dZ' % (7 + i), r
    assert all(re.fullmatch(r'-?\d+\.\d{3}', v) for v in r[2:5]), r
    assert re.fullmatch(r'\d+', r[7]), r
    if i < 2:
        assert r[5] == '' and r[6] == '', r
    else:
        assert re.fullmatch(r'-?\d+\.\d{6}', r[5]) and re.fullmatch(r'-?\d+\.\d{6}', r[6]), r
        assert abs(float(r[5]) - 37.5) < 0.01 and abs(float(r[6]) - 127.0) < 0.01, r
PY

# The other formats: well-formed, and only the four seconds with a fix on the map.
expect_rc 0 track "$front" --format json
python3 - "$tmp/out" <<'PY' || fail "json"
import json, sys
d = json.load(open(sys.argv[1]))
assert d['duration_ms'] == 6000 and len(d['records']) == 6, d.keys()
assert d['records'][0]['latitude'] is None and d['records'][3]['latitude'] is not None
PY
expect_rc 0 track "$front" --format gpx
python3 - "$tmp/out" <<'PY' || fail "gpx"
import sys, xml.etree.ElementTree as ET
ns = {'g': 'http://www.topografix.com/GPX/1/1'}
root = ET.parse(sys.argv[1]).getroot()
assert root.tag == '{http://www.topografix.com/GPX/1/1}gpx' and root.get('version') == '1.1'
pts = root.findall('.//g:trkpt', ns)
assert len(pts) == 4, len(pts)
assert pts[0].find('g:time', ns).text == '2012-03-14T09:05:09Z'
PY
expect_rc 0 track "$front" --format=kml
python3 - "$tmp/out" <<'PY' || fail "kml"
import sys, xml.etree.ElementTree as ET
ns = {'k': 'http://www.opengis.net/kml/2.2'}
root = ET.parse(sys.argv[1]).getroot()
coords = root.find('.//k:LineString/k:coordinates', ns).text.split()
assert len(coords) == 4, coords
lon, lat, _ = map(float, coords[0].split(','))
assert abs(lat - 37.5) < 0.01 and abs(lon - 127.0) < 0.01
PY
expect_rc 0 track "$front" --format geojson
python3 - "$tmp/out" <<'PY' || fail "geojson"
import json, sys
d = json.load(open(sys.argv[1]))
assert d['type'] == 'FeatureCollection'
points = [f for f in d['features'] if f['geometry']['type'] == 'Point']
lines = [f for f in d['features'] if f['geometry']['type'] == 'LineString']
assert len(points) == 4 and len(lines) == 1 and len(lines[0]['geometry']['coordinates']) == 4
lon, lat = points[0]['geometry']['coordinates']
assert abs(lat - 37.5) < 0.01 and abs(lon - 127.0) < 0.01
PY

# Encrypted: refused without a password, 3 for a wrong one, the same track with the right one.
expect_rc 2 info "$enc"
grep -q "encrypted" "$tmp/err" || fail "no reason given for the encrypted file"
expect_rc 3 track "$enc" --password wrong
expect_rc 0 info "$enc" --password ab12
grep -qx "encrypted: yes" "$tmp/out" || fail "encrypted: yes"
grep -qx "result: Loaded" "$tmp/out" || fail "encrypted file loads"
expect_rc 0 track "$enc" --password ab12
diff "$tmp/plain.csv" "$tmp/out" || fail "encrypted track differs from the plain one"

# A copy cut short inside the track: damaged. Something else entirely: rejected.
size=$(stat -c %s "$front")
head -c $((size - 180)) "$front" >"$tmp/cut.mp4"
expect_rc 0 info "$tmp/cut.mp4"
grep -qx "result: TrackDamaged" "$tmp/out" || fail "cut file: $(cat "$tmp/out")"
expect_rc 2 track "$tmp/cut.mp4"
grep -q "The file is illegal file." "$tmp/err" || fail "message 33 expected: $(cat "$tmp/err")"
echo "not a recording" >"$tmp/drf0_20120314_090507.mp4"
expect_rc 0 info "$tmp/drf0_20120314_090507.mp4"
grep -qx "result: Rejected" "$tmp/out" || fail "text file rejected"
expect_rc 2 track "$tmp/drf0_20120314_090507.mp4"

# Unreadable and usage errors.
expect_rc 2 track "$tmp/missing.mp4"
grep -q "Can't open file." "$tmp/err" || fail "message 18 expected"
expect_rc 1 track
expect_rc 1 track "$front" --format xml
expect_rc 1 info "$front" --format csv
echo "cli_track: ok"
