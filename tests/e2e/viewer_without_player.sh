#!/usr/bin/env bash
# A media library that cannot start ends the viewer's start-up with the reason on
# stderr and exit code 1, not a crash or a window without video.
source "$(dirname "$0")/lib/common.sh"
export DIREVOVU_ROOT="$tmp/root" DIREVOVU_DRIVES="E=$tmp/card" QT_QPA_PLATFORM=offscreen
logs=("$tmp/err.txt")
status=0
DIREVOVU_VLC_OPTIONS="--no-such-option-in-libvlc" timeout 60 "$build/direvovu" >/dev/null 2>"$tmp/err.txt" || status=$?
[ "$status" -eq 1 ] || fail "exit code $status, expected 1"
grep -q "^error: .*libvlc" "$tmp/err.txt" || fail "no reason given"
# The failed start does not hold the single-instance lock: the next start runs.
status=0
DIREVOVU_VLC_OPTIONS="--no-such-option-in-libvlc" timeout 60 "$build/direvovu" >/dev/null 2>&1 || status=$?
[ "$status" -eq 1 ] || fail "second start after a failed one ended with $status"
echo "PASS"
