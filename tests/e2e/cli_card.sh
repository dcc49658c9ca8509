#!/usr/bin/env bash
# direvovu-cli card list and card download on a card laid out as the camera does, run
# twice (the second run reads nothing again; a copy changed since is moved aside and
# copied again), with a pulled file and bad usage.
source "$(dirname "$0")/lib/common.sh"
card=$tmp/card
put() { mkdir -p "$(dirname "$card/$1")"; printf '%s' "${2:-$1}" > "$card/$1"; }
put Blackbox/20261208/drf0_20261208_081500.mp4
put Blackbox/20261208/drf1_20261208_081500.mp4
put Blackbox/20261208/readme.txt
put Event/drf0_20261208_081605.mp4
put Event/drf1_20261208_081605.mp4
put Event/evt_20261208_081605.txt
put Parking/drf0_20261208_214000.mp4
put Parking/drf0_20261208_21410e.mp4
put Setup/setup.ini

expect_rc 0 card list "$card"
[ "$(wc -l <"$tmp/out")" -eq 4 ] || fail "four rows: $(cat "$tmp/out")"
[ "$(head -1 "$tmp/out")" = "$(printf '   001\t2026-12-08\t08:15:00\tDriving\t%s' "$card/Blackbox/20261208/drf0_20261208_081500.mp4")" ] ||
  fail "first row: $(head -1 "$tmp/out")"
cut -f4 "$tmp/out" | tr '\n' , | grep -qx 'Driving,Event,Parking,Parking Event,' || fail "types: $(cat "$tmp/out")"
expect_rc 0 card list "$card" --kind 4
[ "$(cut -f5 "$tmp/out")" = "$card/Parking/drf0_20261208_21410e.mp4" ] || fail "kind 4: $(cat "$tmp/out")"
expect_rc 0 card list "$tmp/nothing-here"
[ ! -s "$tmp/out" ] || fail "a missing card lists nothing"

to=$tmp/pc
expect_rc 0 card download "$card" --to "$to"
[ "$(cat "$tmp/out")" = "copied 7, already downloaded 0, failed 0" ] || fail "summary: $(cat "$tmp/out")"
grep -q '100%' "$tmp/err" || fail "progress: $(cat "$tmp/err")"
[ "$(cat "$to/Blackbox/20261208/drf1_20261208_081500.mp4")" = Blackbox/20261208/drf1_20261208_081500.mp4 ] || fail "rear"
[ -f "$to/Event/evt_20261208_081605.txt" ] && [ -f "$to/Parking/drf0_20261208_21410e.mp4" ] || fail "layout"
[ ! -e "$to/Setup" ] && [ ! -e "$to/Blackbox/20261208/readme.txt" ] || fail "only recordings and event texts"

echo mine > "$to/Event/drf0_20261208_081605.mp4"
expect_rc 0 card download "$card" --to "$to"
[ "$(cat "$tmp/out")" = "copied 1, already downloaded 6, failed 0" ] || fail "second run: $(cat "$tmp/out")"
[ "$(cat "$to/Event/drf0_20261208_081605.mp4.changed")" = mine ] || fail "lost a changed file"
[ "$(cat "$to/Event/drf0_20261208_081605.mp4")" = Event/drf0_20261208_081605.mp4 ] || fail "not copied again"

chmod 000 "$card/Parking/drf0_20261208_214000.mp4"
if [ "$(id -u)" -ne 0 ]; then
  expect_rc 2 card download "$card" --to "$tmp/pc2"
  [ "$(cat "$tmp/out")" = "copied 6, already downloaded 0, failed 1" ] || fail "unreadable: $(cat "$tmp/out")"
  grep -q "could not copy $card/Parking/drf0_20261208_214000.mp4" "$tmp/err" || fail "names the file"
  [ ! -e "$tmp/pc2/Parking/drf0_20261208_214000.mp4" ] || fail "a failed copy left a file"
fi
chmod 644 "$card/Parking/drf0_20261208_214000.mp4"

expect_rc 1 card download "$card"
expect_rc 1 card list "$card" --kind 5
expect_rc 1 card copy "$card"
expect_rc 0 card --help
grep -q 'card list LOCATION' "$tmp/out" || fail "help"
echo ok
