#!/usr/bin/env bash
# The real viewer under Xvfb opens a front/rear pair made by direvovu-sample: both libvlc
# players reach "playing", a screenshot of the window is saved under the build folder,
# and the close command ends the program cleanly (exit 0, working copies gone, volume
# saved).
source "$(dirname "$0")/lib/common.sh"
viewer_env
"$sample" recording --out "$tmp/rec" --start 2012-03-14T09:05:07 --seconds 10 >/dev/null
front="$tmp/rec/drf0_20120314_090507.mp4"
shot=$(fresh_screenshot main_window_playing.png)

DIREVOVU_TEST_REPORT_PLAYING=1 DIREVOVU_TEST_SCREENSHOT="$shot" DIREVOVU_TEST_QUIT_AFTER_PLAYING=300 \
  run_viewer 120 "$front"

[ "$status" -eq 0 ] || fail "the viewer ended with $status"
grep -qx "playing front" "$tmp/out.txt" || fail "the front channel never played"
grep -qx "playing rear" "$tmp/out.txt" || fail "the rear channel never played"
grep -qx "closed" "$tmp/out.txt" || fail "the close command did not run"
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
