#!/usr/bin/env bash
# The viewer answers --help and --version without a display, and refuses an option it
# does not know with a one-line reason and exit code 1, before any window opens.
source "$(dirname "$0")/lib/common.sh"
export DIREVOVU_ROOT="$tmp/root"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
viewer="$build/direvovu"

status=0
"$viewer" --help >"$tmp/out" 2>"$tmp/err" || status=$?
[ "$status" -eq 0 ] || fail "--help ended with $status: $(cat "$tmp/err")"
grep -q "^Usage: direvovu" "$tmp/out" || fail "no usage line"
[ ! -s "$tmp/err" ] || fail "--help wrote errors: $(cat "$tmp/err")"

status=0
"$viewer" --version >"$tmp/out" 2>"$tmp/err" || status=$?
[ "$status" -eq 0 ] || fail "--version ended with $status"
grep -Eqx "direvovu [0-9]+\.[0-9]+\.[0-9]+" "$tmp/out" || fail "version line: $(cat "$tmp/out")"

status=0
"$viewer" recording.mp4 --no-such-option >"$tmp/out" 2>"$tmp/err" || status=$?
[ "$status" -eq 1 ] || fail "an unknown option ended with $status"
[ "$(wc -l <"$tmp/err")" -eq 1 ] && grep -q -- "--no-such-option" "$tmp/err" || fail "reason: $(cat "$tmp/err")"
[ ! -e "$tmp/root" ] || fail "the refused start touched the working root"
echo "PASS"
