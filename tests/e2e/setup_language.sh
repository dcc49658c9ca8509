#!/usr/bin/env bash
# The viewer setup on a real X server: a language chosen there is on the main window as
# soon as Save has written it; the pictures before and after stay under the build folder.
source "$(dirname "$0")/lib/common.sh"
rm -f "$build"/screenshots/setup_*.png
QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1 timeout 180 "${xvfb[@]}" "$build/tests/gui/gui_tests" \
  --gtest_filter='SetupEndToEnd.*' 2>&1 | tee "$tmp/log" | grep -v '^\[0000'
check_gtest_run "$tmp/log" 'SetupEndToEnd.*' "the language did not reach the main window"
for f in main_before_en main_after_ko viewer_choosing_ko; do
  check_picture "$build/screenshots/setup_$f.png"
done
echo "screenshots: $build/screenshots/setup_*.png"
