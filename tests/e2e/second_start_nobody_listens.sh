#!/usr/bin/env bash
# A viewer holds the working root but no longer listens (its socket is gone): a second
# start with recordings cannot hand them over and says so with exit code 1, rather than
# ending with 0 as if the running viewer had them.
source "$(dirname "$0")/lib/common.sh"
viewer_env
# The local socket lives in the temporary folder: this run's own, so it can be found.
export TMPDIR="$tmp/sockets"
mkdir -p "$TMPDIR"
"$sample" recording --out "$tmp/rec" --start 2012-03-14T09:05:07 --seconds 4 --size 160x96 >/dev/null

cat >"$tmp/scenario.sh" <<SCENARIO
set -u
DIREVOVU_VLC_OPTIONS="--aout=dummy" "$build/direvovu" >"$tmp/first.txt" 2>"$tmp/first.err" &
first=\$!
for _ in \$(seq 1 200); do
  ls "$TMPDIR"/direvovu-* >/dev/null 2>&1 && [ -e "$DIREVOVU_ROOT/DecodedFrontData.dat" ] && break
  sleep 0.1
done
rm -f "$TMPDIR"/direvovu-*
timeout 10 "$build/direvovu" "$tmp/rec/drf0_20120314_090507.mp4" >/dev/null 2>"$tmp/second.err"
echo "second \$?" >"$tmp/result.txt"
kill -TERM \$first
status=0
wait \$first || status=\$?
echo "first \$status" >>"$tmp/result.txt"
SCENARIO

logs=("$tmp/result.txt" "$tmp/second.err" "$tmp/first.err")
timeout 120 "${xvfb[@]}" bash "$tmp/scenario.sh"
grep -qx "second 1" "$tmp/result.txt" || fail "the second start did not end with 1"
grep -q "did not take the recordings" "$tmp/second.err" || fail "no reason on stderr"
grep -qx "first 0" "$tmp/result.txt" || fail "the first viewer did not end cleanly"
echo "PASS"
