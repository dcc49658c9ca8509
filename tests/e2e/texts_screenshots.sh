#!/usr/bin/env bash
# Every window with texts (the main window, two message boxes, the card password dialog,
# the setup dialogs, the card download and its copy, the route and map windows, the event
# report, the program information, the driving information and the export) in each of the seven
# languages on a real X server, after the check that every text fits its room, saved
# under the build folder for people to look at.
source "$(dirname "$0")/lib/common.sh"
rm -f "$build"/screenshots/texts_*.png
QT_QPA_PLATFORM=xcb "${xvfb[@]}" "$build/tests/gui/gui_tests" --gtest_filter='ButtonTexts*.*' 2>&1 |
  tee "$tmp/log" | grep -v '^\[0000'
check_gtest_run "$tmp/log" 'ButtonTexts*.*' "the texts do not fit, or the pictures were not taken"
for language in ko en ja zh_hans ru zh_hant pt_br; do
  for window in main question notice card_password viewer_setup camera_setup detail_search sd_download copy \
    route map event_report program_info driving_info export export_running export_done; do
    check_picture "$build/screenshots/texts_${language}_${window}.png"
  done
done
echo "screenshots: $build/screenshots/texts_*.png"
