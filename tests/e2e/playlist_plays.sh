#!/usr/bin/env bash
# The real viewer under Xvfb plays a list of three plain pairs and one scrambled pair
# from end to end: the rows follow each other by themselves, the password is asked once
# (answered by the test hook), and on the scrambled pair the window seeks to the middle,
# pauses, resumes and stops. A screenshot of the scrambled pair playing is kept under
# the build folder.
set -euo pipefail
build="$(cd "$1" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

export DIREVOVU_ROOT="$work/root"
export DIREVOVU_DRIVES="E=$work/card"
export QTWEBENGINE_DISABLE_SANDBOX=1
unset QT_QPA_PLATFORM
mkdir -p "$work/card" "$work/rec"
make() { "$build/direvovu-sample" recording --out "$work/rec" --size 640x360 "$@" >/dev/null; }
make --start 2012-03-14T09:00:00 --seconds 6 --seed 1
make --start 2012-03-14T09:01:00 --seconds 6 --seed 2 --event
make --start 2012-03-14T09:02:00 --seconds 6 --seed 3
# Long enough that the seek to its middle lands far from where it would be without it.
make --start 2012-03-14T09:03:00 --seconds 20 --seed 4 --password pw4321

shot="$build/screenshots/playlist_scrambled_playing.png"
mkdir -p "$(dirname "$shot")"
rm -f "$shot"

fail() {
  echo "FAIL: $*"
  echo "--- stdout"; cat "$work/out.txt" || true
  echo "--- stderr (last lines)"; tail -n 20 "$work/err.txt" || true
  exit 1
}

status=0
# Given out of order, with a rear file among them: the list takes the four fronts in order.
DIREVOVU_VLC_OPTIONS="--aout=dummy" DIREVOVU_TEST_PASSWORD=pw4321 DIREVOVU_TEST_TOUR=4 \
  DIREVOVU_TEST_SCREENSHOT="$shot" \
  timeout 200 xvfb-run -a -s "-screen 0 1280x1024x24" "$build/direvovu" \
  "$work/rec/drf0_20120314_090300.mp4" "$work/rec/drf0_20120314_090100.mp4" \
  "$work/rec/drf1_20120314_090000.mp4" "$work/rec/drf0_20120314_090000.mp4" \
  "$work/rec/drf0_20120314_090200.mp4" \
  >"$work/out.txt" 2>"$work/err.txt" || status=$?

[ "$status" -eq 0 ] || fail "the viewer ended with $status"
started=$(sed -n 's/^started //p' "$work/out.txt" | tr '\n' ' ')
expected="drf0_20120314_090000.mp4 drf0_20120314_090100.mp4 drf0_20120314_090200.mp4 drf0_20120314_090300.mp4 "
[ "$started" = "$expected" ] || fail "rows played as: $started"
[ "$(grep -cx "password asked" "$work/out.txt")" -eq 1 ] || fail "the password was not asked exactly once"

read -r seek_at length < <(sed -n 's/^seeked \([0-9-]*\) of \([0-9-]*\)$/\1 \2/p' "$work/out.txt")
[ -n "${length:-}" ] || fail "no seek"
# Seeked to the middle 1.5 s before the report: past the middle, short of the end.
[ "$seek_at" -ge $((length * 45 / 100)) ] && [ "$seek_at" -lt "$length" ] || fail "seek landed at $seek_at of $length"
read -r p1 p2 < <(sed -n 's/^paused \([0-9-]*\) \([0-9-]*\)$/\1 \2/p' "$work/out.txt")
[ -n "${p2:-}" ] || fail "no pause"
[ $((p2 - p1)) -le 100 ] && [ $((p1 - p2)) -le 100 ] || fail "time moved while paused: $p1 -> $p2"
resumed=$(sed -n 's/^resumed \([0-9-]*\)$/\1/p' "$work/out.txt")
[ -n "$resumed" ] && [ "$resumed" -gt "$p2" ] || fail "did not resume after the pause ($p2 -> ${resumed:-none})"
grep -Eqx "stopped (stopped|idle|ended)" "$work/out.txt" || fail "the front player did not stop"
grep -qx "closed" "$work/out.txt" || fail "the close command did not run"
[ ! -e "$DIREVOVU_ROOT/DecodedFrontData.dat" ] || fail "working copy left behind"
[ -s "$shot" ] || fail "no screenshot"
grep -E "^(started|seeked|paused|resumed|stopped)" "$work/out.txt"
echo "screenshot: $shot"
echo "PASS"
