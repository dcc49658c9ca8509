# shellcheck shell=bash
# The viewer as the desktop sees it, for the scripts that run it on a session bus and an
# X server of their own. Sourced after common.sh; the script first runs itself again
# inside both with
#   [ "${DIREVOVU_DESKTOP_BUS:-}" = 1 ] || DIREVOVU_DESKTOP_BUS=1 exec dbus-run-session -- \
#       xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"

# Starts the viewer in the background on <arguments...>; its process id is in $viewer.
start_viewer() {
  logs=("$tmp/out.txt" "$tmp/err.txt")
  DIREVOVU_VLC_OPTIONS="--aout=dummy" "$build/direvovu" "$@" >"$tmp/out.txt" 2>"$tmp/err.txt" &
  viewer=$!
  trap 'kill "$viewer" 2>/dev/null || true; rm -rf "$tmp"' EXIT
}

mpris=(gdbus call --session --dest org.mpris.MediaPlayer2.direvovu --object-path /org/mpris/MediaPlayer2)
player=org.mpris.MediaPlayer2.Player
property() { "${mpris[@]}" --method org.freedesktop.DBus.Properties.Get "$player" "$1" 2>/dev/null; }
position() { property Position | sed -n 's/^(<int64 \([0-9]*\)>,)$/\1/p'; }
status_is() { [ "$(property PlaybackStatus)" = "(<'$1'>,)" ]; }
title_is() { property Metadata | grep -qF "'xesam:title': <'$1'>"; }

# wait_for <seconds> <command...>: until the command succeeds, while the viewer runs.
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

# The main window, focused for real key presses.
focus_viewer() {
  local window
  window=$(xdotool search --name "VAZI OSPREYCAM" | head -1)
  [ -n "$window" ] || fail "no viewer window"
  xdotool windowfocus --sync "$window"
}

# Quit over the bus; the viewer must end by itself with 0.
quit_viewer() {
  "${mpris[@]}" --method org.mpris.MediaPlayer2.Quit >/dev/null
  wait_for 30 bash -c "! kill -0 $viewer 2>/dev/null" || fail "Quit did not end the viewer"
  local rc=0
  wait "$viewer" || rc=$?
  [ "$rc" -eq 0 ] || fail "the viewer ended with $rc"
}
