#!/usr/bin/env bash
# The message box on a real X server: message 14 in English and in Korean, saved as
# pictures under the build folder for people to look at.
set -euo pipefail
build=$1
rm -f "$build"/screenshots/msgbox_14_*.png
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/tests/gui/gui_tests" --gtest_filter='MsgBoxScreenshot.*'
for f in "$build"/screenshots/msgbox_14_english.png "$build"/screenshots/msgbox_14_korean.png; do
  [ -s "$f" ] || { echo "missing $f"; exit 1; }
  colours=$(convert "$f" -format '%k' info:)
  [ "$colours" -gt 50 ] || { echo "$f has only $colours colours"; exit 1; }
done
echo "screenshots: $build/screenshots/msgbox_14_english.png $build/screenshots/msgbox_14_korean.png"
