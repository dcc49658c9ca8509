#!/usr/bin/env bash
# direvovu-cli settings on a first run, on a filled settings file and with bad usage.
source "$(dirname "$0")/lib/common.sh"
root=$tmp
export DIREVOVU_ROOT=$root

out=$("$cli" settings)
grep -x "LANGUAGE=5" <<<"$out" >/dev/null
grep -x "VOLUME=5" <<<"$out" >/dev/null
grep -x "SD_DOWN_FOLDER=$root/SD" <<<"$out" >/dev/null
[ "$(echo "$out" | head -1)" = "SD_DOWN_FOLDER=$root/SD" ]
[ "$(echo "$out" | tail -1)" = "MARKER_INTERVAL_MS=3000" ]
[ "$(echo "$out" | wc -l)" -eq 26 ]
grep -x "EXPORT_FOLDER=$root/EXPORT" <<<"$out" >/dev/null
grep -x "ADDRESS_SERVICE_URL=https://nominatim.openstreetmap.org" <<<"$out" >/dev/null
grep -x "ADDRESS_SERVICE_KIND=nominatim" <<<"$out" >/dev/null
grep -x "MAP_TILE_URL=https://tile.openstreetmap.org/{z}/{x}/{y}.png" <<<"$out" >/dev/null
[ ! -e "$root/Env_Setup.txt" ]

printf '[viewer_setup]\r\nLANGUAGE=10\r\nVOLUME=100\r\nROUTE_INTERVAL=2\r\nSPEED_UNIT=0x\r\n' > "$root/Env_Setup.txt"
out=$("$cli" settings)
grep -x "LANGUAGE=5" <<<"$out" >/dev/null
grep -x "VOLUME=10" <<<"$out" >/dev/null
grep -x "SPEED_UNIT=0" <<<"$out" >/dev/null
grep -x "ROUTE_INTERVAL=2" <<<"$out" >/dev/null
[ "$(echo "$out" | tail -1)" = "MARKER_INTERVAL_MS=5000" ]

# Junk must not stop it.
head -c 200000 /dev/urandom > "$root/Env_Setup.txt"
grep -x "LANGUAGE=5" <<<"$("$cli" settings)" >/dev/null

# Written as the setup writes them; a refused value writes nothing.
rm -rf "$root"
out=$("$cli" settings LANGUAGE=1 SPEED_UNIT=0)
grep -x "LANGUAGE=1" <<<"$out" >/dev/null
grep -x "SPEED_UNIT=0" <<<"$out" >/dev/null
grep -q "^LANGUAGE=1"$'\r'"$" "$root/Env_Setup.txt"
cp "$root/Env_Setup.txt" "$tmp/before"
set +e
"$cli" settings VOLUME=3 LANGUAGE=9 2>"$tmp/err"; rc=$?
set -e
[ $rc -eq 1 ]
grep -q "LANGUAGE takes a whole number from 0 to 6, not '9'" "$tmp/err"
cmp "$root/Env_Setup.txt" "$tmp/before"

set +e
"$cli" settings --bogus 2>/dev/null; rc=$?
"$cli" nosuchcommand 2>/dev/null; rc2=$?
set -e
[ $rc -eq 1 ] && [ $rc2 -eq 1 ]
grep "^direvovu-cli " <<<"$("$cli" --version)" >/dev/null
grep settings <<<"$("$cli" --help)" >/dev/null
echo ok
