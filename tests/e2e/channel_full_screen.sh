#!/usr/bin/env bash
# One channel full screen on a bare X server (no window manager): F fills the screen
# with the front picture and the rear as an inset, the wheel zooms 4x into the decoded
# picture around the cursor (a screenshot is kept under the build folder), the readout
# band hides two seconds after the mouse last moved, and Escape brings the window back
# with both channels still playing, never reloaded. F1 then shows the sheet of keys
# (another screenshot).
if [ "${DIREVOVU_DESKTOP_BUS:-}" != 1 ]; then
  DIREVOVU_DESKTOP_BUS=1 exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/desktop_bus.sh"
viewer_env
"$sample" recording --out "$tmp/rec" --size 1280x720 --start 2012-03-14T09:00:00 --seconds 30 --seed 3 >/dev/null
shot=$(fresh_screenshot channel_full_screen_zoom4x.png)
whole=$(fresh_screenshot channel_full_screen.png)
sheet=$(fresh_screenshot key_sheet.png)

start_viewer "$tmp/rec/drf0_20120314_090000.mp4"
wait_for 60 status_is Playing || fail "never Playing on the bus"
sleep 1
focus_viewer
xdotool key --clearmodifiers f
sleep 1.5
geometry=$(xdotool getwindowfocus getwindowgeometry)
echo "$geometry" | grep -q "Geometry: 1280x1024" || fail "full screen is not the screen: $geometry"
echo "$geometry" | grep -q "Position: 0,0" || fail "full screen is not at the corner: $geometry"
import -window root "$whole"

# Eight wheel notches (button 4) over a detail of the picture, the camera's own line of
# text: 4x.
xdotool mousemove 300 850
xdotool click --repeat 8 --delay 40 4
sleep 0.5
import -window root "$shot"
check_picture "$shot"
# The band is there while the mouse moves: white text along the bottom.
band_brightest() { convert "$1" -crop 1280x36+0+988 +repage -colorspace Gray -format '%[fx:maxima]' info:; }
[ "$(band_brightest "$shot")" != 0 ] || fail "no readout band while the mouse moves"
sleep 2.5
import -window root "$tmp/later.png"
[ "$(band_brightest "$tmp/later.png")" = 0 ] || fail "the readout band did not hide"

before=$(position)
xdotool key --clearmodifiers Escape
sleep 1
geometry=$(xdotool getwindowfocus getwindowgeometry)
echo "$geometry" | grep -q "Geometry: 947x750" || fail "Escape did not bring the window back: $geometry"
status_is Playing || fail "the pair stopped across the change"
sleep 1
after=$(position)
[ "$after" -gt "$before" ] || fail "the pair did not play on: $before -> $after"
xdotool key --clearmodifiers F1
sleep 1
geometry=$(xdotool getwindowfocus getwindowgeometry)
echo "$geometry" | grep -q "Geometry: 947x750" && fail "F1 showed no sheet"
import -window root "$sheet"
check_picture "$sheet"
quit_viewer
echo "screenshots: $whole $shot $sheet"
echo "PASS"
