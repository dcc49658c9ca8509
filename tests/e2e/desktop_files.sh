#!/usr/bin/env bash
# The launcher, the AppStream metainfo and the icons as the desktop reads them: both
# files pass their validators, the launcher opens MP4 files in the viewer, every language
# has its names, and the bitmap icons have their sizes.
source "$(dirname "$0")/lib/common.sh"
src="$(cd "$(dirname "$0")/../.." && pwd)"
desktop="$src/desktop/org.direvovu.Viewer.desktop"
metainfo="$build/desktop/org.direvovu.Viewer.metainfo.xml"

desktop-file-validate "$desktop" >"$tmp/validate.txt" 2>&1 || fail "desktop-file-validate: $(cat "$tmp/validate.txt")"
[ ! -s "$tmp/validate.txt" ] || fail "desktop-file-validate warns: $(cat "$tmp/validate.txt")"
grep -xF 'Exec=direvovu %F' "$desktop" >/dev/null || fail "Exec line"
grep -xF 'MimeType=video/mp4;' "$desktop" >/dev/null || fail "MimeType line"
grep -xF 'Categories=AudioVideo;Video;Player;' "$desktop" >/dev/null || fail "Categories line"
grep -xF 'Icon=org.direvovu.Viewer' "$desktop" >/dev/null || fail "Icon line"
for lang in ko ja zh_CN ru zh_TW pt_BR; do
  grep "^GenericName\[$lang\]=." "$desktop" >/dev/null || fail "no GenericName in $lang"
  grep "^Comment\[$lang\]=." "$desktop" >/dev/null || fail "no Comment in $lang"
done

appstreamcli validate --no-net "$metainfo" >"$tmp/appstream.txt" 2>&1 || fail "appstreamcli: $(cat "$tmp/appstream.txt")"
grep -F "<release version=\"$("$cli" --version | cut -d' ' -f2)\"" "$metainfo" >/dev/null \
  || fail "the metainfo's release is not the program's version"
grep -F '<launchable type="desktop-id">org.direvovu.Viewer.desktop</launchable>' "$metainfo" >/dev/null \
  || fail "the metainfo does not name the launcher"

for size in 48 128 256; do
  png="$build/desktop/icons/$size/org.direvovu.Viewer.png"
  [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "icon $png is not ${size}x${size}"
done
