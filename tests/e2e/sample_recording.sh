#!/usr/bin/env bash
# direvovu-sample makes a front/rear pair that ffprobe reads as H.264 and that is laid out
# as the camera does: ftyp, mdat, moov (millisecond mvhd), then the track box.
source "$(dirname "$0")/lib/common.sh"

out="$tmp/rec"
"$sample" recording --out "$out" --start 2012-03-14T09:05:07 --seconds 5 --size 320x240 >"$tmp/paths"
front="$out/drf0_20120314_090507.mp4"
rear="$out/drf1_20120314_090507.mp4"
printf '%s\n%s\n' "$front" "$rear" | diff - "$tmp/paths" || fail "printed paths differ"
[ "$(ls -A "$out" | wc -l)" -eq 2 ] || fail "expected exactly two files in $out: $(ls -A "$out")"

# Box order, movie header and track records, checked from the bytes.
check_layout() {
  python3 - "$1" "$2" <<'PY'
import struct, sys
path, seconds = sys.argv[1], int(sys.argv[2])
data = open(path, 'rb').read()
assert data[4:11] == b'ftypmp4', 'bytes 4..10 are %r' % data[4:11]
boxes, at = [], 0
while at < len(data):
    size, kind = struct.unpack('>I4s', data[at:at + 8])
    assert 8 <= size <= len(data) - at, 'bad size of %r' % kind
    boxes.append((kind, at, size))
    at += size
kinds = [b[0] for b in boxes]
assert kinds[:3] == [b'ftyp', b'mdat', b'moov'] and len(kinds) == 4, kinds
moov = boxes[2][1]
mvhd_size, mvhd_type = struct.unpack('>I4s', data[moov + 8:moov + 16])
assert (mvhd_size, mvhd_type) == (108, b'mvhd') and data[moov + 16] == 0, 'mvhd'
timescale, duration = struct.unpack('>II', data[moov + 28:moov + 36])
assert timescale == 1000 and abs(duration - seconds * 1000) <= 100, (timescale, duration)
track, end = boxes[3][1] + 8, boxes[3][1] + boxes[3][2]
children = []
while track < end:
    size, kind = struct.unpack('>I4s', data[track:track + 8])
    children.append((kind, (size - 8)))
    track += size
assert [c[0] for c in children[1:]] == [b'SENS', b'GPSI'], children
assert children[0][1] // 4 == seconds and children[1][1] // 12 == seconds and children[2][1] // 28 == seconds, children
first = struct.unpack('<I', data[boxes[3][1] + 16:boxes[3][1] + 20])[0]
assert first == 1331715907, first
PY
}

for f in "$front" "$rear"; do
  [ -s "$f" ] || fail "$f missing"
  codec=$(ffprobe -v error -select_streams v:0 -show_entries stream=codec_name -of csv=p=0 "$f")
  [ "$codec" = h264 ] || fail "$f: codec '$codec'"
  duration=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$f")
  python3 -c "import sys; sys.exit(0 if abs(float('$duration') - 5.0) < 0.1 else 1)" ||
    fail "$f: duration $duration"
  check_layout "$f" 5 || fail "$f: layout"
done

# Scrambled: 32 bytes longer than the plain file would be, no "ftypmp4" at byte 4.
"$sample" recording --out "$tmp/enc" --start 2012-03-14T09:05:07 --seconds 5 --size 320x240 \
  --password abc123 --no-rear >"$tmp/enc_paths"
enc="$tmp/enc/drf0_20120314_090507.mp4"
[ "$(cat "$tmp/enc_paths")" = "$enc" ] || fail "scrambled run printed $(cat "$tmp/enc_paths")"
[ ! -e "$tmp/enc/drf1_20120314_090507.mp4" ] || fail "--no-rear wrote a rear file"
[ "$(head -c 11 "$enc" | tail -c 7)" != ftypmp4 ] || fail "scrambled file still starts plain"
[ $(( $(stat -c %s "$enc") - $(stat -c %s "$front") )) -eq 32 ] || fail "scrambled size is not plain + 32"

# Usage errors exit 1 with one line; a missing ffmpeg exits 2 and leaves nothing behind.
set +e
"$sample" recording --out "$tmp/bad" --start 2012-03-14T09:05:07 --seconds 5 --password ab 2>"$tmp/err"
rc=$?
DIREVOVU_FFMPEG="$tmp/no-ffmpeg" "$sample" recording --out "$tmp/none" --start 2012-03-14T09:05:07 \
  --seconds 2 2>"$tmp/err2"
rc2=$?
set -e
[ $rc -eq 1 ] && [ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "bad password: exit $rc, $(cat "$tmp/err")"
[ $rc2 -eq 2 ] && grep -q "ffmpeg not found" "$tmp/err2" || fail "missing ffmpeg: exit $rc2, $(cat "$tmp/err2")"
[ -z "$(ls -A "$tmp/none" 2>/dev/null)" ] || fail "a failed run left files: $(ls -A "$tmp/none")"

# The viewer's own parser, once the command-line tool can show it.
if [ -x "$cli" ] && "$cli" --help 2>/dev/null | grep -qE '^\s+info\b'; then
  for f in "$front" "$rear"; do
    "$cli" info "$f" >"$tmp/info"
    grep -q "result: Loaded" "$tmp/info" || fail "$f: info says $(cat "$tmp/info")"
    grep -q "records: 5" "$tmp/info" || fail "$f: info says $(cat "$tmp/info")"
  done
  "$cli" info "$enc" --password abc123 >"$tmp/info"
  grep -q "encrypted: yes" "$tmp/info" && grep -q "result: Loaded" "$tmp/info" &&
    grep -q "records: 5" "$tmp/info" || fail "$enc: info says $(cat "$tmp/info")"
else
  echo "direvovu-cli info not available; skipped the parser check"
fi
echo "sample_recording: ok"
