#!/usr/bin/env bash
# Capture and print with the real players: a sample pair plays under Xvfb, both channels
# are captured to PNG files and the front picture is printed to a one-page PDF.
source "$(dirname "$0")/lib/common.sh"
"$sample" recording --out "$tmp/rec" --start 2012-03-14T09:05:07 --seconds 5 --size 320x180 >/dev/null
DIREVOVU_E2E_RECORDINGS="$tmp/rec" QT_QPA_PLATFORM=xcb "${xvfb[@]}" \
  "$build/tests/gui/gui_tests" --gtest_filter='DisplayEndToEnd.*' 2>&1 | tee "$tmp/log"
check_gtest_run "$tmp/log" 'DisplayEndToEnd.*' "the end-to-end capture did not run and pass"
echo "pictures: $build/screenshots/display_e2e_*"
