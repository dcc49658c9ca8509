#!/usr/bin/env bash
# The real viewer under Xvfb opens a front/rear pair made by direvovu-sample: both libvlc
# players reach "playing", a screenshot of the window is saved under the build folder,
# and the close command ends the program cleanly (exit 0, working copies gone, volume
# saved).
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
"$build/direvovu-sample" recording --out "$work/rec" --start 2012-03-14T09:05:07 --seconds 10 >/dev/null
front="$work/rec/drf0_20120314_090507.mp4"

shot="$build/screenshots/main_window_playing.png"
mkdir -p "$(dirname "$shot")"
rm -f "$shot"

fail() {
  echo "FAIL: $*"
  echo "--- stdout"; cat "$work/out.txt" || true
  echo "--- stderr (last lines)"; tail -n 20 "$work/err.txt" || true
  exit 1
}

status=0
DIREVOVU_VLC_OPTIONS="--aout=dummy" DIREVOVU_TEST_REPORT_PLAYING=1 DIREVOVU_TEST_SCREENSHOT="$shot" \
  DIREVOVU_TEST_QUIT_AFTER_PLAYING=300 \
  timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" "$build/direvovu" "$front" \
  >"$work/out.txt" 2>"$work/err.txt" || status=$?

[ "$status" -eq 0 ] || fail "the viewer ended with $status"
grep -qx "playing front" "$work/out.txt" || fail "the front channel never played"
grep -qx "playing rear" "$work/out.txt" || fail "the rear channel never played"
grep -qx "closed" "$work/out.txt" || fail "the close command did not run"
[ ! -e "$DIREVOVU_ROOT/DecodedFrontData.dat" ] || fail "front working copy left behind"
[ ! -e "$DIREVOVU_ROOT/DecodedRearData.dat" ] || fail "rear working copy left behind"
grep -q "VOLUME=5" "$DIREVOVU_ROOT/Env_Setup.txt" || fail "volume not saved at close"
for folder in SD CAPTURE DECRYPTION EVENT; do
  [ -d "$DIREVOVU_ROOT/$folder" ] || fail "working folder $folder not created"
done
[ -s "$shot" ] || fail "no screenshot"
[ "$(head -c 8 "$shot" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "screenshot is not a PNG"
echo "screenshot: $shot"
echo "PASS"
