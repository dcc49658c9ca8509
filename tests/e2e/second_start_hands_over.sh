#!/usr/bin/env bash
# One viewer per working root: a second start leaves the first alone and exits 0; with a
# recording on its command line it hands the file to the running viewer, which plays it.
set -euo pipefail
build="$(cd "$1" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

export DIREVOVU_ROOT="$work/root"
export DIREVOVU_DRIVES="E=$work/card"
export QTWEBENGINE_DISABLE_SANDBOX=1
# The windows go to the Xvfb display, whatever the caller set.
unset QT_QPA_PLATFORM
mkdir -p "$work/card" "$work/rec"
"$build/direvovu-sample" recording --out "$work/rec" --start 2012-03-14T09:05:07 --seconds 8 >/dev/null
# Relative on purpose: the running viewer must get it made absolute.
cd "$work"
relative="rec/drf0_20120314_090507.mp4"

cat >"$work/scenario.sh" <<SCENARIO
set -u
DIREVOVU_VLC_OPTIONS="--aout=dummy" DIREVOVU_TEST_REPORT_PLAYING=1 DIREVOVU_TEST_QUIT_AFTER_PLAYING=300 \
  "$build/direvovu" >"$work/first.txt" 2>"$work/first.err" &
first=\$!
# The first viewer is listening once it has emptied its working copies.
for _ in \$(seq 1 200); do
  [ -e "$DIREVOVU_ROOT/DecodedFrontData.dat" ] && break
  sleep 0.1
done
started=\$(date +%s%N)
timeout 10 "$build/direvovu" >/dev/null 2>&1; echo "bare \$?" >"$work/second.txt"
timeout 10 "$build/direvovu" "$relative" >/dev/null 2>&1; echo "files \$?" >>"$work/second.txt"
echo "ms \$(( (\$(date +%s%N) - started) / 1000000 ))" >>"$work/second.txt"
status=0
wait \$first || status=\$?
echo "first \$status" >>"$work/second.txt"
SCENARIO

timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$work/scenario.sh"

fail() {
  echo "FAIL: $*"
  for f in second.txt first.txt first.err; do echo "--- $f"; tail -n 20 "$work/$f" || true; done
  exit 1
}
grep -qx "bare 0" "$work/second.txt" || fail "a second start without files did not exit 0"
grep -qx "files 0" "$work/second.txt" || fail "a second start with a file did not exit 0"
grep -qx "playing front" "$work/first.txt" || fail "the running viewer did not play the handed-over file"
grep -qx "playing rear" "$work/first.txt" || fail "the rear channel of the handed-over file did not play"
grep -qx "first 0" "$work/second.txt" || fail "the first viewer did not end cleanly"
[ ! -e "$DIREVOVU_ROOT/DecodedFrontData.dat" ] || fail "working copy left behind"
echo "two second starts took $(sed -n 's/^ms //p' "$work/second.txt") ms in all"
echo "PASS"
