#!/usr/bin/env bash
# Pictures of the main window while a recording with a braking spike plays (G-sensor and
# speed graph, enlarged graph), saved under the build folder for people to look at.
set -euo pipefail
build=${1:?usage: display_main_window.sh <build-dir>}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export DIREVOVU_DRIVES="E=$tmp/card"
mkdir -p "$tmp/card"
"$build/direvovu-sample" recording --out "$tmp/rec" --start 2012-03-14T09:05:07 --seconds 20 --size 640x360 \
  --event --drive-offset 40 >/dev/null
rm -f "$build"/screenshots/display_main_window_*.png
DIREVOVU_E2E_RECORDINGS="$tmp/rec" QT_QPA_PLATFORM=xcb timeout 180 xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/tests/gui/gui_tests" --gtest_filter='DisplayMainWindow.*' 2>&1 | tee "$tmp/log" | grep -v '^\[0000\|VDPAU\|^\[h264'
grep -q '\[  PASSED  \] 1 test' "$tmp/log" || { echo "FAIL: the main-window pictures were not taken"; exit 1; }
for f in gsensor speed enlarged; do
  shot="$build/screenshots/display_main_window_$f.png"
  [ -s "$shot" ] || { echo "FAIL: missing $shot"; exit 1; }
  colours=$(convert "$shot" -format '%k' info:)
  [ "$colours" -gt 50 ] || { echo "FAIL: $shot has only $colours colours"; exit 1; }
done
echo "screenshots: $build/screenshots/display_main_window_*.png"
