#!/usr/bin/env bash
# direvovu-cli events: the rows of an event folder in name order with their counts, the
# report file in English and Korean read back, a folder without events, and bad usage.
source "$(dirname "$0")/lib/common.sh"
tab=$'\t'
events=$tmp/Event
mkdir -p "$events"
printf '[Event1]\r\nDate=2026-12-08\r\nTime=08:16:07\r\nG_Sensor_X=1.25\r\nG_Sensor_Y=-0.31\r\nG_Sensor_Z=0.98\r\n[Event2]\r\nDate=2026-12-08\r\nTime=08:16:09\r\nG_Sensor_X=0.1\r\nG_Sensor_Y=0.9\r\nG_Sensor_Z=-0.9\r\n' \
  >"$events/drf_20261208_081605.txt"
printf '[Event1]\r\nDate=2026-12-07\r\nTime=23:59:59\r\nG_Sensor_Z=-2\r\n' >"$events/drf_20261207_235950.txt"
printf 'not an event file' >"$events/drf_20261209_000000.mp4"

expect_rc 0 events "$events"
cat >"$tmp/want" <<ROWS
   001${tab}2026-12-07${tab}23:59:59${tab}0.000${tab}0.000${tab}-2.000${tab}Z
   002${tab}2026-12-08${tab}08:16:07${tab}1.250${tab}-0.310${tab}0.980${tab}X
   003${tab}2026-12-08${tab}08:16:09${tab}0.100${tab}0.900${tab}-0.900${tab}Y
total X=1 Y=1 Z=1
ROWS
diff "$tmp/want" "$tmp/out" || fail "rows"

expect_rc 0 events "$events" --report "$tmp/en.txt"
diff "$tmp/want" "$tmp/out" || fail "rows with --report"
[ "$(head -c 2 "$tmp/en.txt" | xxd -p)" = fffe ] || fail "byte-order mark"
iconv -f UTF-16 -t UTF-8 "$tmp/en.txt" >"$tmp/en.utf8" || fail "not UTF-16"
grep -c $'\r$' "$tmp/en.utf8" | grep -qx 14 || fail "14 lines ending CR LF: $(cat -A "$tmp/en.utf8")"
grep -qxF $'   NO.     Event Date     Event Time     X          Y           Z       Event Factor\r' "$tmp/en.utf8" ||
  fail "English heading: $(cat -A "$tmp/en.utf8")"
grep -qxF $'   002     2026-12-08     08:16:07     +1.250     -0.310     +0.980          X     \r' "$tmp/en.utf8" ||
  fail "English row: $(cat -A "$tmp/en.utf8")"
grep -qxF $'Total Event Factor       1          1          1\r' "$tmp/en.utf8" || fail "totals"

expect_rc 0 events "$events" --report="$tmp/ko.txt" --language=0
iconv -f UTF-16 -t UTF-8 "$tmp/ko.txt" | grep -qF '번호    이벤트 날짜   이벤트 시간' || fail "Korean heading"
# The same list twice gives the same bytes: the report depends on nothing else.
expect_rc 0 events "$events" --report "$tmp/ko2.txt" --language 0
cmp -s "$tmp/ko.txt" "$tmp/ko2.txt" || fail "reports of one list differ"

# A folder without event files: no rows, zero counts, and no report file.
mkdir -p "$tmp/empty"
expect_rc 0 events "$tmp/empty" --report "$tmp/none.txt"
[ "$(cat "$tmp/out")" = "total X=0 Y=0 Z=0" ] || fail "empty folder: $(cat "$tmp/out")"
[ ! -e "$tmp/none.txt" ] || fail "a report without events"
expect_rc 0 events "$tmp/no-such-folder"
[ "$(cat "$tmp/out")" = "total X=0 Y=0 Z=0" ] || fail "missing folder"

# A report that cannot be written is an error, and leaves nothing.
expect_rc 2 events "$events" --report "$tmp/no-such-folder/r.txt"
grep -q "could not write" "$tmp/err" || fail "names the failure"
[ ! -e "$tmp/no-such-folder" ] || fail "made a folder"

expect_rc 1 events
expect_rc 1 events "$events" --language 7
expect_rc 1 events "$events" --report
expect_rc 1 events "$events" "$tmp/empty"
expect_rc 0 events --help
grep -q 'events FOLDER' "$tmp/out" || fail "help"
echo ok
