#!/usr/bin/env bash
# direvovu-sample drivelog and direvovu-cli trips: the trip list, one trip as a track
# (the GPX read back), and the logs that are refused.
source "$(dirname "$0")/lib/common.sh"

log="$tmp/Setup/drive.dat"
"$sample" drivelog --out "$log" --start 2026-12-07T08:00:00 --days 3 --minutes 10 >/dev/null
size=$(stat -c %s "$log")
[ $((size % 32)) -eq 0 ] && [ "$size" -gt 0 ] || fail "log size $size is not whole records"
"$sample" drivelog --out "$tmp/again.dat" --start 2026-12-07T08:00:00 --days 3 --minutes 10 >/dev/null
cmp -s "$log" "$tmp/again.dat" || fail "the same options gave another log"

# The list: one row a day, figures with 6 decimals, each trip starting where the last ended.
expect_rc 0 trips "$log"
cp "$tmp/out" "$tmp/trips.csv"
python3 - "$tmp/trips.csv" "$size" <<'PY' || fail "trips csv"
import csv, re, sys
rows = list(csv.reader(open(sys.argv[1])))
assert rows[0] == ['no', 'date', 'times', 'distance_km', 'driving_s', 'stopped_s', 'average_kmh',
                   'maximum_kmh', 'start_index', 'end_index'], rows[0]
rows = rows[1:]
assert [r[0] for r in rows] == ['   001', '   002', '   003'], rows
assert [r[1] for r in rows] == ['2026-12-07', '2026-12-08', '2026-12-09'], rows
assert rows[0][2].startswith('8:0:0~'), rows[0]
for r in rows:
    assert all(re.fullmatch(r'\d+\.\d{6}', v) for v in (r[3], r[6], r[7])), r
    km = float(r[3])
    assert 1.0 < km < 12.0, r          # ten minutes in town, the GPS jump not counted
    assert 0 < float(r[6]) <= float(r[7]) < 90, r
    assert int(r[5]) >= 110, r          # at least the parked minutes at the end
assert rows[0][8] == '0' and int(rows[-1][9]) == int(sys.argv[2]) // 32 - 1, rows
for before, after in zip(rows, rows[1:]):
    assert after[8] == before[9], (before, after)
PY
expect_rc 0 trips "$log" --format=json
python3 - "$tmp/out" "$tmp/trips.csv" <<'PY' || fail "trips json"
import csv, json, sys
d = json.load(open(sys.argv[1]))
rows = list(csv.DictReader(open(sys.argv[2])))
assert d['file'] == 'drive.dat' and len(d['trips']) == len(rows)
for j, c in zip(d['trips'], rows):
    assert j['no'] == c['no'] and j['times'] == c['times'] and j['end_index'] == int(c['end_index'])
    assert abs(j['distance_km'] - float(c['distance_km'])) < 1e-9
PY

# Trip 2 as CSV (every record), then GPX: one point per record with a fix, UTC times.
expect_rc 0 trips "$log" --trip 2 --format csv
cp "$tmp/out" "$tmp/trip2.csv"
expect_rc 0 trips "$log" --trip 2 --format gpx
python3 - "$tmp/out" "$tmp/trip2.csv" <<'PY' || fail "trip gpx"
import csv, sys, xml.etree.ElementTree as ET
rows = list(csv.DictReader(open(sys.argv[2])))
assert list(rows[0].keys()) == ['index', 'utc', 'latitude', 'longitude', 'speed_kmh'], rows[0].keys()
assert rows[0]['utc'] == '2026-12-08T08:00:00Z', rows[0]
fixed = [r for r in rows if r['latitude']]
assert 0 < len(fixed) < len(rows), (len(fixed), len(rows))   # the first records have no fix
ns = {'g': 'http://www.topografix.com/GPX/1/1'}
root = ET.parse(sys.argv[1]).getroot()
assert root.tag == '{http://www.topografix.com/GPX/1/1}gpx' and root.get('version') == '1.1'
assert len(root.findall('g:trk', ns)) == 1
pts = root.findall('g:trk/g:trkseg/g:trkpt', ns)
assert len(pts) == len(fixed), (len(pts), len(fixed))
for p, r in zip(pts, fixed):
    assert p.find('g:time', ns).text == r['utc'] and r['utc'].endswith('Z')
    assert abs(float(p.get('lat')) - float(r['latitude'])) < 1e-6
PY
expect_rc 0 trips "$log" --trip 1 --format kml
python3 - "$tmp/out" <<'PY' || fail "trip kml"
import sys, xml.etree.ElementTree as ET
ns = {'k': 'http://www.opengis.net/kml/2.2'}
coords = ET.parse(sys.argv[1]).getroot().find('.//k:LineString/k:coordinates', ns).text.split()
lats = [float(c.split(',')[1]) for c in coords]
assert len(coords) > 10 and max(lats) - min(lats) > 0.04, (len(coords), max(lats) - min(lats))  # the jump
PY
expect_rc 0 trips "$log" --trip 3 --format geojson
python3 - "$tmp/out" <<'PY' || fail "trip geojson"
import json, sys
d = json.load(open(sys.argv[1]))
line = [f for f in d['features'] if f['geometry']['type'] == 'LineString'][0]
assert len(line['properties']['coordTimes']) == len(line['geometry']['coordinates']) > 10
point = [f for f in d['features'] if f['geometry']['type'] == 'Point'][0]
assert 'accel_x' not in point['properties'] and point['properties']['utc'].startswith('2026-12-09T')
PY

# A record without a fix between two fixes, and two fixes a hemisphere apart, leave the
# distance as the real steps make it.
python3 - "$tmp" <<'PY'
import struct, sys, calendar
t0 = calendar.timegm((2026, 12, 7, 9, 0, 0))
def rec(i, lat, lon, tenths):
    return struct.pack('<I12s12sI', t0 + 10 * i, lat.encode(), lon.encode(), tenths)
a, b, far = ('3730.0000', '12700.0000'), ('3730.0300', '12700.0300'), ('-3730.0000', '-05300.0000')
open(sys.argv[1] + '/plain.dat', 'wb').write(rec(0, *a, 300) + rec(1, *b, 300))
open(sys.argv[1] + '/gaps.dat', 'wb').write(
    rec(0, *a, 300) + rec(1, *b, 300) + rec(2, '0', '0', 0) + rec(3, *b, 300) + rec(4, *far, 300) + rec(5, *b, 300))
PY
expect_rc 0 trips "$tmp/plain.dat"
plain=$(sed -n 2p "$tmp/out" | cut -d, -f4)
expect_rc 0 trips "$tmp/gaps.dat"
gaps=$(sed -n 2p "$tmp/out" | cut -d, -f4)
[ "$plain" = "$gaps" ] && [ "$plain" != "0.000000" ] || fail "distance $gaps with gaps, $plain without"

# Refused: too short, a year after 2100 (exit 1, message 39); unreadable (exit 2); usage.
head -c 31 "$log" >"$tmp/short.dat"
expect_rc 1 trips "$tmp/short.dat"
grep -q "The file is not legal driving file." "$tmp/err" || fail "message 39 expected: $(cat "$tmp/err")"
head -c 95 "$tmp/gaps.dat" >"$tmp/two.dat"
expect_rc 0 trips "$tmp/two.dat" --trip 1 --format csv
[ "$(wc -l <"$tmp/out")" -eq 3 ] || fail "95 bytes hold 2 records: $(cat "$tmp/out")"
python3 -c "import struct,sys; open(sys.argv[1],'wb').write(struct.pack('<I12s12sI', 4200000000, b'3730', b'12700', 0))" \
  "$tmp/late.dat"
expect_rc 1 trips "$tmp/late.dat"
grep -q "The file is not legal driving file." "$tmp/err" || fail "a year after 2100 is refused"
expect_rc 2 trips "$tmp/missing.dat"
grep -q "Can't open file." "$tmp/err" || fail "message 18 expected"
expect_rc 1 trips
expect_rc 1 trips "$log" --trip 4
expect_rc 1 trips "$log" --trip 0
expect_rc 1 trips "$log" --format gpx
expect_rc 1 trips "$log" --trip 1 --format json
echo "cli_trips: ok"
