#!/usr/bin/env bash
# The map window follows a playing recording: tiles from a local folder, the marker at the
# track's position, the route growing, a 535 x 520 capture; and a picture of the main and
# the map window side by side for people to look at.
source "$(dirname "$0")/lib/common.sh"
"$sample" recording --out "$tmp/rec" --start 2012-03-14T09:05:07 --seconds 30 --size 640x360 \
  --drive-offset 60 >/dev/null
rm -f "$build/screenshots/map_follows_recording.png"
export QTWEBENGINE_DISABLE_SANDBOX=1 XDG_CACHE_HOME="$tmp/cache"
DIREVOVU_E2E_RECORDINGS="$tmp/rec" QT_QPA_PLATFORM=xcb timeout 240 xvfb-run -a -s "-screen 0 1600x1024x24" \
  "$build/tests/gui/gui_tests" --gtest_filter='MapEndToEnd.*' 2>&1 | tee "$tmp/log" | grep -v '^\[0000\|VDPAU\|^\[h264'
grep -q '\[  PASSED  \] 1 test' "$tmp/log" || fail "the map did not follow the recording"
check_picture "$build/screenshots/map_follows_recording.png"
echo "screenshot: $build/screenshots/map_follows_recording.png"
