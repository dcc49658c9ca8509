#!/usr/bin/env bash
# The real viewer on a session bus of its own, driven as the desktop's media controls
# drive it (MPRIS 2, through gdbus) and by real key presses (xdotool): pause, two frame
# steps forward and one back with "." and ",", each read back as Position exactly one
# frame apart; then Seek, Next (the second recording's name in Metadata) and Quit.
if [ "${DIREVOVU_MPRIS_BUS:-}" != 1 ]; then
  # A bus and an X server of the test's own; the script runs again inside them.
  DIREVOVU_MPRIS_BUS=1 exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
source "$(dirname "$0")/lib/common.sh"
viewer_env
"$sample" recording --out "$tmp/rec" --size 640x360 --start 2012-03-14T09:00:00 --seconds 12 --seed 1 >/dev/null
"$sample" recording --out "$tmp/rec" --size 640x360 --start 2012-03-14T09:01:00 --seconds 6 --seed 2 >/dev/null
first="drf0_20120314_090000.mp4"
second="drf0_20120314_090100.mp4"
frame_us=33333  # 30 frames a second; a frame's start is rounded up to the microsecond

logs=("$tmp/out.txt" "$tmp/err.txt")
DIREVOVU_VLC_OPTIONS="--aout=dummy" "$build/direvovu" "$tmp/rec/$first" "$tmp/rec/$second" \
  >"$tmp/out.txt" 2>"$tmp/err.txt" &
viewer=$!
trap 'kill "$viewer" 2>/dev/null || true; rm -rf "$tmp"' EXIT

mpris=(gdbus call --session --dest org.mpris.MediaPlayer2.direvovu --object-path /org/mpris/MediaPlayer2)
player=org.mpris.MediaPlayer2.Player
property() { "${mpris[@]}" --method org.freedesktop.DBus.Properties.Get "$player" "$1" 2>/dev/null; }
position() { property Position | sed -n 's/^(<int64 \([0-9]*\)>,)$/\1/p'; }
# wait_for <seconds> <command...>: until the command succeeds.
wait_for() {
  local tries=$(($1 * 10))
  shift
  while ! "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    kill -0 "$viewer" 2>/dev/null || fail "the viewer ended early"
    sleep 0.1
  done
}
status_is() { [ "$(property PlaybackStatus)" = "(<'$1'>,)" ]; }
title_is() { property Metadata | grep -qF "'xesam:title': <'$1'>"; }
# one_frame <from> <to> <frames>: the positions are that many frames apart, to the microsecond.
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
window=$(xdotool search --name "VAZI OSPREYCAM" | head -1)
[ -n "$window" ] || fail "no viewer window"
xdotool windowfocus --sync "$window"
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

"${mpris[@]}" --method org.mpris.MediaPlayer2.Quit >/dev/null
rc=0
wait_for 30 bash -c "! kill -0 $viewer 2>/dev/null" || fail "Quit did not end the viewer"
wait "$viewer" || rc=$?
[ "$rc" -eq 0 ] || fail "the viewer ended with $rc"
echo "PASS"
