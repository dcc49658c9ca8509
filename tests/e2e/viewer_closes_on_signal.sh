#!/usr/bin/env bash
# A terminate signal (Ctrl+C in the terminal, the session ending) closes the viewer as
# its close button does: exit 0, the players stopped, the working copies gone.
source "$(dirname "$0")/lib/common.sh"
viewer_env
"$sample" recording --out "$tmp/rec" --start 2012-03-14T09:05:07 --seconds 30 --size 320x180 >/dev/null
logs=("$tmp/out.txt" "$tmp/err.txt")

DIREVOVU_VLC_OPTIONS="--aout=dummy" DIREVOVU_TEST_REPORT_PLAYING=1 \
  timeout 120 "${xvfb[@]}" "$build/direvovu" "$tmp/rec/drf0_20120314_090507.mp4" \
  >"$tmp/out.txt" 2>"$tmp/err.txt" &
runner=$!
viewer=""
# Whatever happens, nothing of this run outlives the script.
trap '{ [ -z "$viewer" ] || kill -KILL "$viewer"; kill "$runner"; } 2>/dev/null || true; rm -rf "$tmp"' EXIT

# The viewer process started by $runner (timeout, then xvfb-run, then the viewer).
viewer_of_runner() {
  local pid parent
  for pid in $(pgrep -x direvovu); do
    parent=$pid
    for _ in 1 2 3; do
      parent=$(ps -o ppid= -p "$parent" | tr -d ' ')
      [ "$parent" = "$runner" ] && { echo "$pid"; return 0; }
    done
  done
  return 0
}

for _ in $(seq 600); do
  [ -z "$viewer" ] && viewer=$(viewer_of_runner)
  grep -qx "playing rear" "$tmp/out.txt" 2>/dev/null && grep -qx "playing front" "$tmp/out.txt" && break
  kill -0 "$runner" 2>/dev/null || fail "the viewer ended before it played"
  sleep 0.1
done
[ -n "$viewer" ] || fail "no viewer process found"
grep -qx "playing front" "$tmp/out.txt" || fail "the pair never played"
[ -e "$DIREVOVU_ROOT/DecodedFrontData.dat" ] || fail "no working copy while playing"
[ ! -e "$DIREVOVU_ROOT/Env_Setup.txt" ] || fail "settings written before the close"

kill -TERM "$viewer"
status=0
wait "$runner" || status=$?
[ "$status" -eq 0 ] || fail "the viewer ended with $status after SIGTERM"
# Exit 0, not 143: the signal was caught. The volume saved: the close command ran.
grep -q "VOLUME=5" "$DIREVOVU_ROOT/Env_Setup.txt" || fail "the close command did not run"
[ ! -e "$DIREVOVU_ROOT/DecodedFrontData.dat" ] || fail "front working copy left behind"
[ ! -e "$DIREVOVU_ROOT/DecodedRearData.dat" ] || fail "rear working copy left behind"
echo "PASS"
