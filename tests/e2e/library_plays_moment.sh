#!/usr/bin/env bash
# The library window over a generated week of driving: the card is scanned from the
# window, every route and moment is drawn on the map page, and choosing the impact of the
# event recording plays that pair from its second. A picture of the window is kept.
source "$(dirname "$0")/lib/common.sh"

card="$tmp/card"
clip=(--seconds 60 --size 64x64 --fps 2 --no-audio)
make() { "$sample" recording "${clip[@]}" "$@" >/dev/null || fail "direvovu-sample $*"; }
# A week around Lisbon: a morning drive of two minutes and an evening one each day, the
# car parked at noon on some days, an impact on the Wednesday.
for day in 07 08 09 10 11 12 13; do
  n=$((10#$day - 7))
  lat=$(printf '38.%03d' $((700 + 6 * n)))
  lon=$(printf -- '-9.%03d' $((130 + 5 * n)))
  make --out "$card/Blackbox/Driving" --start "2026-12-${day}T08:10:00" --seed $((n + 1)) --gps-start "$lat,$lon"
  make --out "$card/Blackbox/Driving" --start "2026-12-${day}T08:11:00" --seed $((n + 1)) --gps-start "$lat,$lon" \
    --drive-offset 60
  make --out "$card/Blackbox/Driving" --start "2026-12-${day}T18:05:00" --seed $((n + 20)) --gps-start 38.74,-9.15
  if [ $((n % 2)) -eq 0 ]; then
    make --out "$card/Blackbox/Parking" --start "2026-12-${day}T12:30:00" --parked --no-rear --gps-start 38.72,-9.14
  fi
done
make --out "$card/Blackbox/Event" --start 2026-12-09T17:45:00 --seed 5 --drive-offset 120 --event

shot=$(fresh_screenshot library_window.png)
export QTWEBENGINE_DISABLE_SANDBOX=1 XDG_CACHE_HOME="$tmp/cache"
DIREVOVU_E2E_RECORDINGS="$card" QT_QPA_PLATFORM=xcb timeout 280 "${xvfb[@]}" \
  "$build/tests/gui/gui_tests" --gtest_filter='LibraryEndToEnd.*' 2>&1 | tee "$tmp/log" |
  grep -v '^\[0000\|VDPAU\|^\[h264' || true
check_gtest_run "$tmp/log" 'LibraryEndToEnd.*' "the library did not play the chosen moment"
check_picture "$shot"
echo "screenshot: $shot"
