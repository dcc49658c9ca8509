#!/usr/bin/env bash
# The real viewer under Xvfb plays a list of three plain pairs and one scrambled pair
# from end to end: the rows follow each other by themselves, the password is asked once
# (answered by the test hook), and on the scrambled pair the window seeks to the middle,
# pauses, resumes and stops. A screenshot of the scrambled pair playing is kept under
# the build folder.
source "$(dirname "$0")/lib/common.sh"
viewer_env
make() { "$sample" recording --out "$tmp/rec" --size 640x360 "$@" >/dev/null; }
make --start 2012-03-14T09:00:00 --seconds 6 --seed 1
make --start 2012-03-14T09:01:00 --seconds 6 --seed 2 --event
make --start 2012-03-14T09:02:00 --seconds 6 --seed 3
# Long enough that the seek to its middle lands far from where it would be without it.
make --start 2012-03-14T09:03:00 --seconds 20 --seed 4 --password pw4321
shot=$(fresh_screenshot playlist_scrambled_playing.png)

# Given out of order, with a rear file among them: the list takes the four fronts in order.
DIREVOVU_TEST_PASSWORD=pw4321 DIREVOVU_TEST_TOUR=4 DIREVOVU_TEST_SCREENSHOT="$shot" \
  run_viewer 200 \
  "$tmp/rec/drf0_20120314_090300.mp4" "$tmp/rec/drf0_20120314_090100.mp4" \
  "$tmp/rec/drf1_20120314_090000.mp4" "$tmp/rec/drf0_20120314_090000.mp4" \
  "$tmp/rec/drf0_20120314_090200.mp4"

[ "$status" -eq 0 ] || fail "the viewer ended with $status"
started=$(sed -n 's/^started //p' "$tmp/out.txt" | tr '\n' ' ')
expected="drf0_20120314_090000.mp4 drf0_20120314_090100.mp4 drf0_20120314_090200.mp4 drf0_20120314_090300.mp4 "
[ "$started" = "$expected" ] || fail "rows played as: $started"
[ "$(grep -cx "password asked" "$tmp/out.txt")" -eq 1 ] || fail "the password was not asked exactly once"

read -r seek_at length < <(sed -n 's/^seeked \([0-9-]*\) of \([0-9-]*\)$/\1 \2/p' "$tmp/out.txt")
[ -n "${length:-}" ] || fail "no seek"
# Seeked to the middle 1.5 s before the report: past the middle, short of the end.
[ "$seek_at" -ge $((length * 45 / 100)) ] && [ "$seek_at" -lt "$length" ] || fail "seek landed at $seek_at of $length"
read -r p1 p2 < <(sed -n 's/^paused \([0-9-]*\) \([0-9-]*\)$/\1 \2/p' "$tmp/out.txt")
[ -n "${p2:-}" ] || fail "no pause"
[ $((p2 - p1)) -le 100 ] && [ $((p1 - p2)) -le 100 ] || fail "time moved while paused: $p1 -> $p2"
resumed=$(sed -n 's/^resumed \([0-9-]*\)$/\1/p' "$tmp/out.txt")
[ -n "$resumed" ] && [ "$resumed" -gt "$p2" ] || fail "did not resume after the pause ($p2 -> ${resumed:-none})"
grep -Eqx "stopped (stopped|idle|ended)" "$tmp/out.txt" || fail "the front player did not stop"
grep -qx "closed" "$tmp/out.txt" || fail "the close command did not run"
[ ! -e "$DIREVOVU_ROOT/DecodedFrontData.dat" ] || fail "working copy left behind"
[ -s "$shot" ] || fail "no screenshot"
grep -E "^(started|seeked|paused|resumed|stopped)" "$tmp/out.txt"
echo "screenshot: $shot"
echo "PASS"
