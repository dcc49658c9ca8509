#!/usr/bin/env bash
# The export window on a real X server: over the marked span, in the middle of an export
# and at its end, with the main window showing the span on its seek slider; saved under
# the build folder for people to look at.
source "$(dirname "$0")/lib/common.sh"
shots=(export_dialog export_dialog_running export_dialog_done main_window_export_marks)
for shot in "${shots[@]}"; do rm -f "$build/screenshots/$shot.png"; done
filter='ExportWindow.ScreenshotsForPeopleToLookAt'
QT_QPA_PLATFORM=xcb "${xvfb[@]}" "$build/tests/gui/gui_tests" --gtest_filter="$filter" 2>&1 |
  tee "$tmp/log" | grep -v '^\[0000'
check_gtest_run "$tmp/log" "$filter" "the export window's pictures were not taken"
for shot in "${shots[@]}"; do check_picture "$build/screenshots/$shot.png"; done
echo "screenshots: $build/screenshots/export_dialog*.png $build/screenshots/main_window_export_marks.png"
