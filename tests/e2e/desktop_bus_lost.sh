#!/usr/bin/env bash
# The session bus going away under a playing viewer (the desktop's session restarting its
# bus, a crashed bus daemon): the media controls and the screen-saver hold go with it, the
# viewer plays on, answers its keys, and closes cleanly on a terminate signal.
if [ "${DIREVOVU_DESKTOP_BUS:-}" != 1 ]; then
  DIREVOVU_DESKTOP_BUS=1 exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/desktop_bus.sh"
viewer_env
"$sample" recording --out "$tmp/rec" --size 320x180 --start 2012-03-14T09:00:00 --seconds 30 --seed 3 >/dev/null
start_viewer "$tmp/rec/drf0_20120314_090000.mp4"
wait_for 60 status_is Playing || fail "never Playing on the bus"

# This script runs under xvfb-run, which runs under dbus-run-session beside the bus daemon.
session=$(ps -o ppid= -p "$PPID" | tr -d ' ')
pkill -KILL -P "$session" -x dbus-daemon || fail "no bus daemon to take away"
gone() { ! property PlaybackStatus >/dev/null; }
wait_for 10 gone || fail "the bus is still there"

sleep 2
kill -0 "$viewer" 2>/dev/null || fail "the viewer ended when the bus went"
# Still answering its keys: the sheet of keys opens.
windows() { xdotool search --onlyvisible --pid "$viewer" 2>/dev/null | wc -l; }
before=$(windows)
focus_viewer
xdotool key --clearmodifiers F1
sheet() { [ "$(windows)" -gt "$before" ]; }
wait_for 10 sheet || fail "the viewer no longer answers its keys"

kill -TERM "$viewer"
for _ in $(seq 300); do
  kill -0 "$viewer" 2>/dev/null || break
  sleep 0.1
done
! kill -0 "$viewer" 2>/dev/null || fail "the viewer did not close on a terminate signal"
rc=0
wait "$viewer" || rc=$?
[ "$rc" -eq 0 ] || fail "the viewer ended with $rc"
echo "PASS"
