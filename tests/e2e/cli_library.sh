#!/usr/bin/env bash
# direvovu-cli library on a generated card: the scan and its counts, the place query
# checked against every point of the tracks, harsh moments, missing and scrambled
# recordings, and the library files it refuses or rebuilds.
source "$(dirname "$0")/lib/common.sh"

card="$tmp/card"
db="$tmp/lib.sqlite"
clip=(--seconds 30 --size 64x64 --fps 2 --no-audio)
make() { "$sample" recording "${clip[@]}" "$@" >/dev/null || fail "direvovu-sample $*"; }
make --out "$card/Blackbox/Driving" --start 2026-12-07T09:00:00 --gps-start 37.5,127.0
make --out "$card/Blackbox/Driving" --start 2026-12-07T09:00:30 --gps-start 37.5,127.0 --drive-offset 30
make --out "$card/Blackbox/Event" --start 2026-12-07T09:01:00 --gps-start 37.5,127.0 --drive-offset 60 --event
make --out "$card/Blackbox/Driving" --start 2026-12-08T10:00:00 --gps-start 35.0,139.0 --password abcd
make --out "$card/Blackbox/Parking" --start 2026-12-08T20:00:00 --gps-start 35.0,139.0 --parked --no-rear

expect_rc 0 library scan "$card" --db "$db"
[ "$(tail -n 1 "$tmp/out")" = "indexed 5, unchanged 0, missing 0, refused 0" ] || fail "first scan: $(cat "$tmp/out")"
expect_rc 0 library scan "$card" --db "$db"
[ "$(tail -n 1 "$tmp/out")" = "indexed 0, unchanged 5, missing 0, refused 0" ] || fail "second scan: $(cat "$tmp/out")"

# Every recording, by start time; the scrambled one is there from its name.
expect_rc 0 library find --db "$db" --format json
python3 - "$tmp/out" <<'PY' || fail "find json"
import json, sys
rows = json.load(open(sys.argv[1]))['recordings']
assert [r['local_start'] for r in rows] == ['2026-12-07T09:00:00', '2026-12-07T09:00:30', '2026-12-07T09:01:00',
                                            '2026-12-08T10:00:00', '2026-12-08T20:00:00'], rows
assert [r['kind'] for r in rows] == ['driving', 'driving', 'event', 'driving', 'parking'], rows
assert rows[3]['scrambled'] and rows[3]['track'] == 'locked' and rows[3]['utc_start'] is None, rows[3]
assert all(r['track'] == 'read' and r['utc_start'] for r in rows[:3] + rows[4:]), rows
PY
expect_rc 0 library scan "$card" --db "$db" --password abcd
[ "$(tail -n 1 "$tmp/out")" = "indexed 1, unchanged 4, missing 0, refused 0" ] || fail "password scan: $(cat "$tmp/out")"

# Near the start of the drive: checked against the tracks themselves.
for f in "$card"/Blackbox/*/drf0_*.mp4; do
  "$cli" track "$f" --password abcd --format csv >"$tmp/$(basename "$f").csv" || fail "track $f"
done
expect_rc 0 library find --db "$db" --near 37.5005,127.0005 --radius 250
python3 - "$tmp/out" "$tmp" 37.5005 127.0005 250 <<'PY' || fail "find --near"
import csv, glob, math, os, sys
out, folder, lat0, lon0, radius = sys.argv[1], sys.argv[2], *map(float, sys.argv[3:])
def metres(lat, lon):
    p1, p2 = math.radians(lat0), math.radians(lat)
    a = math.sin((p2 - p1) / 2) ** 2 + math.cos(p1) * math.cos(p2) * math.sin(math.radians(lon - lon0) / 2) ** 2
    return 2 * 6371008.8 * math.asin(math.sqrt(a))
rows = list(csv.DictReader(open(out)))
assert list(rows[0].keys()) == ['front', 'local_start', 'first_second', 'last_second'] if rows else True
found = {os.path.basename(r['front']): (int(r['first_second']), int(r['last_second'])) for r in rows}
expected = {}
for track in glob.glob(folder + '/drf0_*.csv'):
    name = os.path.basename(track)[:-4]
    inside = []
    for i, r in enumerate(csv.DictReader(open(track))):
        lat, lon = r.get('latitude'), r.get('longitude')
        if not lat or not lon or float(lat) == 0:
            continue
        d = metres(float(lat), float(lon))
        if d <= radius * 0.995:
            inside.append(i)
        elif d <= radius * 1.005:
            inside.append(None)  # on the edge: either answer is right
    sure = [i for i in inside if i is not None]
    if sure:
        expected[name] = (min(sure), max(sure))
assert set(found) == set(expected), (found, expected)
for name, (first, last) in expected.items():
    assert found[name][0] <= first and found[name][1] >= last, (name, found[name], first, last)
assert found, 'the drive passes the point'
PY

# The impact of the event recording is a shock; values have three decimals.
expect_rc 0 library moments --db "$db" --kind shock
python3 - "$tmp/out" <<'PY' || fail "moments"
import csv, re, sys
rows = list(csv.DictReader(open(sys.argv[1])))
event = [r for r in rows if '/Event/' in r['front']]
assert len(event) == 1 and event[0]['kind'] == 'shock', rows
assert 13 <= int(event[0]['second']) <= 16 and float(event[0]['value']) <= -0.8, event
assert all(re.fullmatch(r'-?\d+\.\d{3}', r['value']) for r in rows), rows
PY
expect_rc 0 library moments --db "$db" --format json --from 2026-12-07T09:01:00 --to 2026-12-07T09:01:29
python3 -c "import json,sys; m=json.load(open(sys.argv[1]))['moments']; assert m and all(x['local_time'].startswith('2026-12-07T09:01') for x in m), m" \
  "$tmp/out" || fail "moments in a time range"

# A card taken out: kept and marked; the day's query still finds its recordings.
mv "$card/Blackbox/Parking" "$tmp/parking-out"
expect_rc 0 library scan "$card" --db "$db"
[ "$(tail -n 1 "$tmp/out")" = "indexed 0, unchanged 4, missing 1, refused 0" ] || fail "missing: $(cat "$tmp/out")"
expect_rc 0 library find --db "$db" --from 2026-12-08 --to 2026-12-08 --kind parking --format json
python3 -c "import json,sys; r=json.load(open(sys.argv[1]))['recordings']; assert len(r)==1 and r[0]['missing'], r" \
  "$tmp/out" || fail "the missing recording"

# A damaged library is moved aside and built anew; a newer one is refused untouched.
head -c 8192 /dev/urandom >"$tmp/damaged.sqlite"
expect_rc 0 library scan "$card" --db "$tmp/damaged.sqlite"
grep -q "moved to" "$tmp/err" || fail "no word of the damaged library: $(cat "$tmp/err")"
[ -s "$tmp/damaged.sqlite.damaged" ] || fail "the damaged library was not kept aside"
[ "$(tail -n 1 "$tmp/out")" = "indexed 4, unchanged 0, missing 0, refused 0" ] || fail "rebuilt: $(cat "$tmp/out")"
python3 -c "import sqlite3,sys; c=sqlite3.connect(sys.argv[1]); c.execute('PRAGMA user_version=99'); c.commit()" "$tmp/new.sqlite"
sum=$(sha256sum <"$tmp/new.sqlite")
expect_rc 2 library find --db "$tmp/new.sqlite"
grep -q "newer version" "$tmp/err" || fail "newer library: $(cat "$tmp/err")"
[ "$(sha256sum <"$tmp/new.sqlite")" = "$sum" ] || fail "the newer library was changed"

# A folder whose name is not UTF-8 still gives valid JSON; output that cannot be written
# is a failure, not a success.
odd="$tmp/odd"$'\xe9'
make --out "$odd/Blackbox/Driving" --start 2026-12-09T07:00:00 --gps-start 37.5,127.0
expect_rc 0 library scan "$odd" --db "$tmp/odd.sqlite"
expect_rc 0 library find --db "$tmp/odd.sqlite" --format json
python3 -c "import json,sys; r=json.load(open(sys.argv[1]))['recordings']; assert len(r)==1, r" "$tmp/out" ||
  fail "find json with a path that is not UTF-8"
for action in "scan $card" find moments; do
  rc=0
  # shellcheck disable=SC2086 # the action and its path are two words
  "$cli" library $action --db "$db" >/dev/full 2>"$tmp/err" || rc=$?
  [ "$rc" = 2 ] || fail "library $action into a full disk exited $rc"
done

# The default file is under the working root.
DIREVOVU_ROOT="$tmp/root" expect_rc 0 library scan "$card/Blackbox/Event"
[ -s "$tmp/root/library.sqlite" ] || fail "no library under the working root"

expect_rc 1 library
expect_rc 1 library list
expect_rc 1 library scan --db "$db"
expect_rc 1 library find --db "$db" --near 37.5,127
expect_rc 1 library find --db "$db" --near 97.5,127 --radius 10
expect_rc 1 library find --db "$db" --kind braking
expect_rc 1 library moments --db "$db" --near 37.5,127 --radius 5
expect_rc 1 library find --db "$db" --from yesterday
echo "cli_library: ok"
