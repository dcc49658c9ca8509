#!/usr/bin/env bash
# The real viewer on a session bus of its own, driven as the desktop's media controls
# drive it (MPRIS 2, through gdbus) and by real key presses (xdotool): pause, two frame
# steps forward and one back with "." and ",", each read back as Position exactly one
# frame apart; then Seek, Next (the second recording's name in Metadata) and Quit.
if [ "${DIREVOVU_DESKTOP_BUS:-}" != 1 ]; then
  # A bus and an X server of the test's own; the script runs again inside them.
  DIREVOVU_DESKTOP_BUS=1 exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/desktop_bus.sh"
viewer_env
"$sample" recording --out "$tmp/rec" --size 640x360 --start 2012-03-14T09:00:00 --seconds 12 --seed 1 >/dev/null
"$sample" recording --out "$tmp/rec" --size 640x360 --start 2012-03-14T09:01:00 --seconds 6 --seed 2 >/dev/null
first="drf0_20120314_090000.mp4"
second="drf0_20120314_090100.mp4"
frame_us=33333  # 30 frames a second; a frame's start is rounded up to the microsecond

start_viewer "$tmp/rec/$first" "$tmp/rec/$second"

# frames_apart <from> <to> <frames>: the positions are that many frames apart, to the microsecond.
frames_apart() {
  local want=$(($3 * frame_us)) got=$(($2 - $1))
  [ "${got#-}" -ge "${want#-}" ] && [ "${got#-}" -le $((${want#-} + 1)) ] && [ $((got * $3)) -ge 0 ]
}

wait_for 60 status_is Playing || fail "never Playing on the bus"
title_is "$first" || fail "Metadata does not name $first: $(property Metadata)"
sleep 1.5
"${mpris[@]}" --method $player.Pause >/dev/null
wait_for 10 status_is Paused || fail "Pause did not pause"
sleep 0.5

# Real key presses into the window, as a user's.
focus_viewer
p0=$(position)
positions=("$p0")
for key in period period comma; do
  xdotool key --clearmodifiers "$key"
  sleep 0.7
  positions+=("$(position)")
done
echo "positions: ${positions[*]}"
frames_apart "${positions[0]}" "${positions[1]}" 1 || fail "the first step did not move one frame: ${positions[*]}"
frames_apart "${positions[1]}" "${positions[2]}" 1 || fail "the second step did not move one frame: ${positions[*]}"
frames_apart "${positions[2]}" "${positions[3]}" -1 || fail "the step back did not move one frame: ${positions[*]}"
status_is Paused || fail "the steps did not keep the pair paused"

"${mpris[@]}" --method $player.Seek 3000000 >/dev/null
# Three seconds on from a frame's start is another frame's start: the still pair reports it.
target=$((positions[3] + 3000000))
at_target() { [ "$(position)" = "$target" ]; }
wait_for 10 at_target || fail "Seek went to $(position), wanted $target"
status_is Paused || fail "the seek did not keep the pair paused"

"${mpris[@]}" --method $player.Next >/dev/null
wait_for 30 title_is "$second" || fail "Next did not play $second: $(property Metadata)"
wait_for 30 status_is Playing || fail "the second recording does not play"

quit_viewer
echo "PASS"
