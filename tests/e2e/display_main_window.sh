#!/usr/bin/env bash
# Pictures of the main window while a recording with a braking spike plays (G-sensor and
# speed graph, enlarged graph), saved under the build folder for people to look at.
source "$(dirname "$0")/lib/common.sh"
viewer_env
"$sample" recording --out "$tmp/rec" --start 2012-03-14T09:05:07 --seconds 20 --size 640x360 \
  --event --drive-offset 40 >/dev/null
rm -f "$build"/screenshots/display_main_window_*.png
DIREVOVU_E2E_RECORDINGS="$tmp/rec" QT_QPA_PLATFORM=xcb timeout 180 "${xvfb[@]}" \
  "$build/tests/gui/gui_tests" --gtest_filter='DisplayMainWindow.*' 2>&1 | tee "$tmp/log" | grep -v '^\[0000\|VDPAU\|^\[h264'
check_gtest_run "$tmp/log" 'DisplayMainWindow.*' "the main-window pictures were not taken"
for f in gsensor speed enlarged; do
  check_picture "$build/screenshots/display_main_window_$f.png"
done
echo "screenshots: $build/screenshots/display_main_window_*.png"
