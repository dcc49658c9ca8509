#!/usr/bin/env bash
# A media library that cannot start ends the viewer's start-up with the reason on
# stderr and exit code 1, not a crash or a window without video.
set -euo pipefail
build="$(cd "$1" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export DIREVOVU_ROOT="$work/root" DIREVOVU_DRIVES="E=$work/card" QT_QPA_PLATFORM=offscreen
status=0
DIREVOVU_VLC_OPTIONS="--no-such-option-in-libvlc" timeout 60 "$build/direvovu" >/dev/null 2>"$work/err.txt" || status=$?
if [ "$status" -ne 1 ]; then
  echo "FAIL: exit code $status, expected 1"; cat "$work/err.txt"; exit 1
fi
grep -q "^error: .*libvlc" "$work/err.txt" || { echo "FAIL: no reason given"; cat "$work/err.txt"; exit 1; }
# The failed start does not hold the single-instance lock: the next start runs.
status=0
DIREVOVU_VLC_OPTIONS="--no-such-option-in-libvlc" timeout 60 "$build/direvovu" >/dev/null 2>&1 || status=$?
[ "$status" -eq 1 ] || { echo "FAIL: second start after a failed one ended with $status"; exit 1; }
echo "PASS"
