#!/usr/bin/env bash
# direvovu-cli decrypt and passwd on recordings made by direvovu-sample: a scrambled
# pair and a lone front, wrong passwords, plain files, missing folders and cards.
source "$(dirname "$0")/lib/common.sh"

count() { find "$1" -mindepth 1 | wc -l; }

opts=(--start 2012-03-14T09:05:07 --seconds 3 --size 160x120)
"$sample" recording --out "$tmp/enc" "${opts[@]}" --password Ab12 >/dev/null
"$sample" recording --out "$tmp/solo" "${opts[@]}" --password Ab12 --no-rear >/dev/null
"$sample" recording --out "$tmp/plain" "${opts[@]}" >/dev/null
name=drf0_20120314_090507.mp4
rear_name=drf1_20120314_090507.mp4

# A scrambled pair: two decrypted copies named after the recordings, paths printed.
mkdir "$tmp/out1"
expect_rc 0 decrypt "$tmp/enc/$name" --password Ab12 -o "$tmp/out1"
printf '%s\n%s\n' "$tmp/out1/$name" "$tmp/out1/$rear_name" | diff - "$tmp/out" || fail "printed paths"
[ "$(count "$tmp/out1")" -eq 2 ] || fail "expected two files: $(ls -A "$tmp/out1")"
for f in "$tmp/out1/$name" "$tmp/out1/$rear_name"; do
  [ "$(head -c 11 "$f" | tail -c 7)" = ftypmp4 ] || fail "$f: header not decrypted"
  # Same length as the scrambled file (the 32 trailer bytes stay behind the last box).
  src="$tmp/enc/$(basename "$f")"
  [ "$(stat -c %s "$f")" -eq "$(stat -c %s "$src")" ] || fail "$f: length"
  cmp -s -i 128 "$f" "$src" || fail "$f: bytes after the header differ"
  codec=$(ffprobe -v error -select_streams v:0 -show_entries stream=codec_name -of csv=p=0 "$f")
  [ "$codec" = h264 ] || fail "$f: ffprobe reads codec '$codec'"
done

# Wrong password: exit 3 and nothing written, not even a temporary file.
mkdir "$tmp/out2"
expect_rc 3 decrypt "$tmp/enc/$name" --password ab12 -o "$tmp/out2"
[ "$(count "$tmp/out2")" -eq 0 ] || fail "wrong password left files: $(ls -A "$tmp/out2")"
[ ! -s "$tmp/out" ] || fail "wrong password printed paths"

# A lone front gives one file; an existing copy of the same name is replaced.
mkdir "$tmp/out3"
echo old >"$tmp/out3/$name"
expect_rc 0 decrypt "$tmp/solo/$name" --password Ab12 -o "$tmp/out3"
[ "$(cat "$tmp/out")" = "$tmp/out3/$name" ] || fail "lone front printed $(cat "$tmp/out")"
[ "$(count "$tmp/out3")" -eq 1 ] || fail "lone front: $(ls -A "$tmp/out3")"
[ "$(head -c 11 "$tmp/out3/$name" | tail -c 7)" = ftypmp4 ] || fail "old copy not replaced"

# Refusals, with the message on standard error.
expect_rc 2 decrypt "$tmp/plain/$name" --password Ab12 -o "$tmp/out2"
grep -q "The selected item is not encrypted file." "$tmp/err" || fail "plain: $(cat "$tmp/err")"
expect_rc 2 decrypt "$tmp/enc/$name" --password Ab12 -o "$tmp/no-such-folder"
grep -q "Can't open file. $tmp/no-such-folder/$name" "$tmp/err" || fail "missing folder: $(cat "$tmp/err")"
expect_rc 2 decrypt "$tmp/enc/missing.mp4" --password Ab12 -o "$tmp/out2"
grep -q "Can't open file." "$tmp/err" || fail "missing file: $(cat "$tmp/err")"
[ "$(count "$tmp/out2")" -eq 0 ] || fail "refusals left files"
expect_rc 1 decrypt "$tmp/enc/$name"
expect_rc 1 decrypt --password x

# Without -o the copies go to the decryption folder of the viewer's settings.
DIREVOVU_ROOT="$tmp/root" expect_rc 0 decrypt "$tmp/solo/$name" --password Ab12
[ -s "$tmp/root/DECRYPTION/$name" ] || fail "default decryption folder: $(cat "$tmp/out")"

# passwd: the card's password file, 16 bytes; a read-only one is replaced.
mkdir "$tmp/card"
expect_rc 0 passwd "$tmp/card" --password Car2go
[ "$(cat "$tmp/out")" = "$tmp/card/Setup/passwd.bin" ] || fail "passwd printed $(cat "$tmp/out")"
[ "$(stat -c %s "$tmp/card/Setup/passwd.bin")" -eq 16 ] || fail "passwd.bin is not 16 bytes"
[ "$(count "$tmp/card/Setup")" -eq 1 ] || fail "Setup holds more than passwd.bin: $(ls -A "$tmp/card/Setup")"
chmod 0400 "$tmp/card/Setup/passwd.bin"
expect_rc 0 passwd "$tmp/card" --password Other1
expect_rc 2 passwd "$tmp/card" --password ab_1
grep -q "Just allowed in numeric or alphabet." "$tmp/err" || fail "characters: $(cat "$tmp/err")"
expect_rc 2 passwd "$tmp/card" --password abc
grep -q "Please input 4~6 characters." "$tmp/err" || fail "length: $(cat "$tmp/err")"
expect_rc 2 passwd "$tmp/card" --password ""
grep -q "Please input password." "$tmp/err" || fail "empty: $(cat "$tmp/err")"
expect_rc 2 passwd "$tmp/no-card" --password abcd
grep -q "There is no SD or  check write protection of SD card." "$tmp/err" || fail "no card: $(cat "$tmp/err")"
[ ! -e "$tmp/no-card" ] || fail "a missing card was created"
expect_rc 1 passwd "$tmp/card"

echo "cli_decrypt: ok"
