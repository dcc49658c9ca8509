#!/usr/bin/env bash
# The route window traces trip 1 of a driving log made by direvovu-sample on the real page,
# its addresses from a local server of each kind; a picture of it tracing for people to
# look at.
source "$(dirname "$0")/lib/common.sh"
"$sample" drivelog --out "$tmp/Setup/drive_log.dat" --start 2026-12-06T08:10:00 --days 2 --minutes 6 >/dev/null
rm -f "$build/screenshots/route_window_tracing.png"
export QTWEBENGINE_DISABLE_SANDBOX=1 XDG_CACHE_HOME="$tmp/cache" DIREVOVU_DRIVES="C=/:fixed"
DIREVOVU_E2E_DRIVELOG="$tmp/Setup/drive_log.dat" QT_QPA_PLATFORM=xcb timeout 240 \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tests/gui/gui_tests" --gtest_filter='RouteEndToEnd.*' 2>&1 |
  tee "$tmp/log" | grep -v '^\[0000\|VDPAU'
grep -q '\[  PASSED  \] 1 test' "$tmp/log" || fail "the route window did not trace the trip"
check_picture "$build/screenshots/route_window_tracing.png"
echo "screenshot: $build/screenshots/route_window_tracing.png"
