#!/usr/bin/env bash
# direvovu-cli track on a recording whose file name is not UTF-8 or holds control
# characters: every document format is still written, and is well-formed.
# (Regression: the JSON writers threw on such a name and the program aborted.)
source "$(dirname "$0")/lib/common.sh"

"$sample" recording --out "$tmp/plain" --start 2012-03-14T09:05:07 --seconds 4 --size 160x120 \
  --gps-start 37.5,127.0 >/dev/null
odd="$tmp/drf0_"$'\xff\x01'"_090507.mp4"
cp "$tmp/plain/drf0_20120314_090507.mp4" "$odd"

for format in json geojson gpx kml; do
  expect_rc 0 track "$odd" --format "$format"
  mv "$tmp/out" "$tmp/out.$format"
done

python3 - "$tmp" <<'PY' || fail "documents"
import json, sys, xml.etree.ElementTree as ET
tmp = sys.argv[1]
d = json.load(open(tmp + '/out.json', encoding='utf-8'))
assert '\ufffd' in d['file'] and len(d['records']) == 4, d['file']
g = json.load(open(tmp + '/out.geojson', encoding='utf-8'))
assert '\ufffd' in g['features'][0]['properties']['name']
for f in ('gpx', 'kml'):
    root = ET.parse(tmp + '/out.' + f).getroot()
    names = [e.text for e in root.iter() if e.tag.endswith('name')]
    assert names and all('\x01' not in n and '\ufffd' in n for n in names), names
PY
echo "ok"
