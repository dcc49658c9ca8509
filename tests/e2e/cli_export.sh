#!/usr/bin/env bash
# direvovu-cli export, checked as the receiver of the incident folder would: the clip
# probed (codec, size per layout, frames of the span, one cue a second, tags), the
# originals identical, sha256sum -c clean, the CSV rows of the span; refusals leave
# nothing behind and exit as documented.
source "$(dirname "$0")/lib/common.sh"
# A working root of its own whose settings name no address service (without settings the
# public one is the default): the report shows coordinates and nothing leaves the machine.
export DIREVOVU_ROOT="$tmp/root" XDG_CACHE_HOME="$tmp/cache"
mkdir -p "$DIREVOVU_ROOT"
printf '[VIEWER_SETUP]\r\nADDRESS_SERVICE_URL=\r\n' >"$DIREVOVU_ROOT/Env_Setup.txt"

opts=(--start 2012-03-14T09:05:07 --seconds 6 --size 320x180 --fps 10)
"$sample" recording --out "$tmp/rec" "${opts[@]}" >/dev/null
"$sample" recording --out "$tmp/enc" "${opts[@]}" --password Ab12 >/dev/null
"$sample" recording --out "$tmp/solo" "${opts[@]}" --no-rear >/dev/null
front=drf0_20120314_090507.mp4
probe() { ffprobe -v error -select_streams "$2" -show_entries "$3" -of csv=p=0 "$1"; }

# Side by side over 1.5–4.5 s: 30 frames at 10 a second, 640 wide, a cue a second.
expect_rc 0 export "$tmp/rec/$front" --from 1.5 --to 4.5 --out "$tmp/x1" --language 1
folder=$(tail -1 "$tmp/out")
[ "$(basename "$folder")" = Incident_20120314_090508 ] || fail "folder name: $folder"
clip="$folder/incident.mp4"
[ "$(probe "$clip" v:0 stream=codec_name,pix_fmt,width,height)" = "h264,640,180,yuv420p" ] || fail "video stream"
[ "$(ffprobe -v error -count_frames -select_streams v:0 -show_entries stream=nb_read_frames -of csv=p=0 "$clip")" = 30 ] ||
  fail "frame count of the span"
[ "$(probe "$clip" s:0 stream=codec_name)" = mov_text ] || fail "no timed-text track"
# (the muxer puts an empty sample between cues: those have no duration)
[ "$(ffprobe -v error -select_streams s:0 -show_entries packet=pts,duration -of csv=p=0 "$clip" | grep -vc 'N/A$')" -eq 4 ] ||
  fail "one cue for each of seconds 1 to 4"
ffprobe -v error -show_entries format_tags=creation_time -of csv=p=0 "$clip" | grep -q '^2012-03-14T09:05:08' ||
  fail "creation_time"
for f in "$tmp/rec"/*.mp4; do cmp -s "$f" "$folder/originals/$(basename "$f")" || fail "original $f differs"; done
(cd "$folder" && sha256sum --quiet -c SHA256SUMS) || fail "sha256sum -c"
[ "$(head -1 "$folder/track.csv")" = "time_utc,local_time,latitude,longitude,speed_kmh,g_x,g_y,g_z" ] || fail "CSV header"
[ "$(wc -l <"$folder/track.csv")" -eq 5 ] || fail "CSV: a row for each of seconds 1 to 4"
[ -z "$(find "$tmp/x1" -name '.*' -mindepth 1)" ] || fail "a temporary file was left"
# A frame with the overlay, for people to look at.
mkdir -p "$build/screenshots"
ffmpeg -v error -y -ss 1.5 -i "$clip" -frames:v 1 "$build/screenshots/incident_frame.png"
check_picture "$build/screenshots/incident_frame.png"
# The one-page report: A4, naming the recording and its span, with the originals' digests.
report="$folder/incident.pdf"
grep -E ' incident\.pdf$' "$folder/SHA256SUMS" >/dev/null || fail "the report is not in SHA256SUMS"
pdfinfo "$report" | grep -E '^Pages: +1$' >/dev/null || fail "the report is not one page"
pdfinfo "$report" | grep -F '(A4)' >/dev/null || fail "the report is not A4"
text=$(pdftotext -enc UTF-8 "$report" -)
grep -F "$front" <<<"$text" >/dev/null || fail "the report names no recording"
grep -F "2012-03-14 09:05:08" <<<"$text" >/dev/null || fail "the report has no span: $text"
for digest in $(grep ' originals/' "$folder/SHA256SUMS" | cut -d' ' -f1); do
  grep -F "$digest" <<<"$text" >/dev/null || fail "the report lacks the digest $digest"
done
pdftoppm -r 60 -png -singlefile "$report" "$build/screenshots/incident_report_cli"
check_picture "$build/screenshots/incident_report_cli.png"

# The same second again gets its own folder; the front alone and a scrambled pair.
expect_rc 0 export "$tmp/rec/$front" --from 1.5 --to 2 --out "$tmp/x1" --layout front --no-overlay
[ "$(basename "$(tail -1 "$tmp/out")")" = Incident_20120314_090508_2 ] || fail "second folder of the same second"
expect_rc 0 export "$tmp/solo/$front" --from 0 --to 1 --out "$tmp/solo_out"
grep -q "front alone" "$tmp/err" || fail "the fall-back to the front is not said"
[ "$(probe "$(tail -1 "$tmp/out")/incident.mp4" v:0 stream=width)" = 320 ] || fail "front alone is 320 wide"
expect_rc 0 export "$tmp/enc/$front" --from 0 --to 1 --out "$tmp/enc_out" --password Ab12 --layout picture-in-picture
cmp -s "$tmp/enc/$front" "$(tail -1 "$tmp/out")/originals/$front" || fail "a scrambled original stays scrambled"

# Refusals: nothing written.
expect_rc 3 export "$tmp/enc/$front" --from 0 --to 1 --out "$tmp/bad" --password Zz99
for span in "4 2" "3 3" "5 9"; do
  set -- $span
  expect_rc 2 export "$tmp/rec/$front" --from "$1" --to "$2" --out "$tmp/bad"
  grep -q "6.0 s" "$tmp/err" || fail "the refusal of $span does not name the recording's length: $(cat "$tmp/err")"
done
expect_rc 2 export "$tmp/nosuch/$front" --from 0 --to 1 --out "$tmp/bad"
[ -z "$(ls -A "$tmp/bad" 2>/dev/null)" ] || fail "a refused export left $(ls -A "$tmp/bad")"
expect_rc 1 export "$tmp/rec/$front" --from 1
expect_rc 1 export "$tmp/rec/$front" --from 0 --to 1 --layout diagonal
echo ok
