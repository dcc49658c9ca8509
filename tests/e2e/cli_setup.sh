#!/usr/bin/env bash
# direvovu-cli setup on a card: read with defaults, change and save as the setup window
# does, the clock file, and the refusals.
source "$(dirname "$0")/lib/common.sh"
card=$tmp/card
mkdir -p "$card"
export TZ=Asia/Seoul

expect_rc 0 setup "$card"
[ "$(head -1 "$tmp/out")" = "DRIVER=" ]
grep -x "IMPACT_X_INDEX=7" "$tmp/out" >/dev/null || fail "default threshold"
grep -x "FPS_INDEX=3" "$tmp/out" >/dev/null || fail "default frame rate"
grep -x "TIME_ZONE_ROW=27" "$tmp/out" >/dev/null || fail "row of the PC's zone: $(cat "$tmp/out")"
grep -x "TIME_ZONE_TEXT=(GMT+09:00) Osaka, Sapporo, Seoul, Tokyo, Yakutsk" "$tmp/out" >/dev/null || fail "zone text"
[ "$(wc -l <"$tmp/out")" -eq 17 ] || fail "17 lines wanted"
[ ! -e "$card/Setup" ] || fail "reading wrote to the card"

# Save on a card without a Setup folder: the folder is made, keys in the save's order.
expect_rc 0 setup "$card" DRIVER=Kim IMPACT_X_INDEX=12 IMPACT_Z_INDEX=20 BUZZER=0 TIME_ZONE_ROW=4
keys=$(tr -d '\r' <"$card/Setup/setup.ini" | sed -n 's/=.*//p' | tr '\n' ' ')
[ "$keys" = "DRIVER CAR_NO IMPACT_TYPE IMPACT_VAL_INDEX IMPACT_X IMPACT_Y IMPACT_Z IMPACT_X_INDEX IMPACT_Y_INDEX IMPACT_Z_INDEX CUTOFF_VOLT FPS_INDEX FPS FILE_PWD_ONOFF MUTE_ONOFF MIRROR_ONOFF PARKING_RATIO BUZZER_OFF TIME_ZONE " ] ||
  fail "key order: $keys"
grep -ax $'IMPACT_X=1.2 G\r' "$card/Setup/setup.ini" >/dev/null || fail "threshold text"
grep -ax $'BUZZER_OFF=1\r' "$card/Setup/setup.ini" >/dev/null || fail "buzzer inverted"
grep -ax $'TIME_ZONE=8\r' "$card/Setup/setup.ini" >/dev/null || fail "time zone value"
ls -A "$card/Setup" | grep -vx setup.ini && fail "a temporary file was left"
expect_rc 0 setup "$card"
grep -x "DRIVER=Kim" "$tmp/out" >/dev/null || fail "read back"
grep -x "BUZZER_OFF=1" "$tmp/out" >/dev/null || fail "read back buzzer"
grep -x "TIME_ZONE_ROW=4" "$tmp/out" >/dev/null || fail "read back zone"

expect_rc 0 setup "$card" --clock
grep -Ex '[0-9]{4} [0-9]{1,2} [0-9]{1,2} [0-9]{1,2} [0-9]{1,2} [0-9]{1,2}' "$card/Setup/date.txt" >/dev/null ||
  fail "date.txt: $(cat "$card/Setup/date.txt")"
[ "$(tail -c 1 "$card/Setup/date.txt" | od -An -c | tr -d ' ')" != '\n' ] || fail "date.txt ends a line"

# Bad values are refused before anything is written; junk on the card reads as defaults.
expect_rc 1 setup "$card" IMPACT_X_INDEX=21
expect_rc 1 setup "$card" NO_SUCH=1
head -c 3000 /dev/urandom >"$card/Setup/setup.ini"
expect_rc 0 setup "$card"
grep -x "IMPACT_Y_INDEX=7" "$tmp/out" >/dev/null || fail "junk file"

# A read-only setup.ini: message 14, nothing changed.
printf '[USER_SETUP]\r\nDRIVER=old\r\n' >"$card/Setup/setup.ini"
chmod a-w "$card/Setup/setup.ini"
expect_rc 1 setup "$card" DRIVER=new
grep "There is no SD or  check write protection of SD card." "$tmp/err" >/dev/null || fail "message 14: $(cat "$tmp/err")"
grep -x $'DRIVER=old\r' "$card/Setup/setup.ini" >/dev/null || fail "read-only file changed"
# No card there at all.
expect_rc 1 setup "$tmp/nocard" DRIVER=x
grep "check write protection" "$tmp/err" >/dev/null || fail "missing card"
expect_rc 1 setup
echo ok
