#!/usr/bin/env bash
# The message box on a real X server: message 14 in English and in Korean, saved as
# pictures under the build folder for people to look at.
source "$(dirname "$0")/lib/common.sh"
rm -f "$build"/screenshots/msgbox_14_*.png
QT_QPA_PLATFORM=xcb "${xvfb[@]}" "$build/tests/gui/gui_tests" --gtest_filter='MsgBoxScreenshot.*'
for f in "$build"/screenshots/msgbox_14_english.png "$build"/screenshots/msgbox_14_korean.png; do
  check_picture "$f"
done
echo "screenshots: $build/screenshots/msgbox_14_english.png $build/screenshots/msgbox_14_korean.png"
