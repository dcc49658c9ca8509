#!/usr/bin/env bash
# One viewer per working root: a second start leaves the first alone and exits 0; with a
# recording on its command line it hands the file to the running viewer, which plays it.
source "$(dirname "$0")/lib/common.sh"
viewer_env
"$sample" recording --out "$tmp/rec" --start 2012-03-14T09:05:07 --seconds 8 >/dev/null
# Relative on purpose: the running viewer must get it made absolute.
cd "$tmp"
relative="rec/drf0_20120314_090507.mp4"

cat >"$tmp/scenario.sh" <<SCENARIO
set -u
DIREVOVU_VLC_OPTIONS="--aout=dummy" DIREVOVU_TEST_REPORT_PLAYING=1 DIREVOVU_TEST_QUIT_AFTER_PLAYING=300 \
  "$build/direvovu" >"$tmp/first.txt" 2>"$tmp/first.err" &
first=\$!
# The first viewer is listening once it has emptied its working copies.
for _ in \$(seq 1 200); do
  [ -e "$DIREVOVU_ROOT/DecodedFrontData.dat" ] && break
  sleep 0.1
done
started=\$(date +%s%N)
timeout 10 "$build/direvovu" >/dev/null 2>&1; echo "bare \$?" >"$tmp/second.txt"
timeout 10 "$build/direvovu" "$relative" >/dev/null 2>&1; echo "files \$?" >>"$tmp/second.txt"
echo "ms \$(( (\$(date +%s%N) - started) / 1000000 ))" >>"$tmp/second.txt"
status=0
wait \$first || status=\$?
echo "first \$status" >>"$tmp/second.txt"
SCENARIO

logs=("$tmp/second.txt" "$tmp/first.txt" "$tmp/first.err")
timeout 120 "${xvfb[@]}" bash "$tmp/scenario.sh"
grep -qx "bare 0" "$tmp/second.txt" || fail "a second start without files did not exit 0"
grep -qx "files 0" "$tmp/second.txt" || fail "a second start with a file did not exit 0"
grep -qx "playing front" "$tmp/first.txt" || fail "the running viewer did not play the handed-over file"
grep -qx "playing rear" "$tmp/first.txt" || fail "the rear channel of the handed-over file did not play"
grep -qx "first 0" "$tmp/second.txt" || fail "the first viewer did not end cleanly"
[ ! -e "$DIREVOVU_ROOT/DecodedFrontData.dat" ] || fail "working copy left behind"
echo "two second starts took $(sed -n 's/^ms //p' "$tmp/second.txt") ms in all"
echo "PASS"
