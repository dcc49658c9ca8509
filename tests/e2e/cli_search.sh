#!/usr/bin/env bash
# direvovu-cli search over a folder tree: the three modes, the order, rear files and other
# names left out, a link loop, and nothing found.
source "$(dirname "$0")/lib/common.sh"
tree=$tmp/tree
mkdir -p "$tree/b" "$tree/a/deep" "$tree/Event"
for f in b/drf0_20120314_235959.mp4 a/drf0_20120314_000000.mp4 a/deep/drf0_20120314_120000.mp4 \
  Event/drf0_20120315_000000.mp4 a/drf1_20120314_120000.mp4 a/drf0_2012031_120000.mp4; do
  : >"$tree/$f"
done
ln -s "$tree" "$tree/a/loop"
export DIREVOVU_DRIVES="E=$tree"

expect_rc 0 search "$tree" --start 2012-03-14T00:00:00 --end 2012-03-14T23:59:59
printf '%s\n' "$tree/a/drf0_20120314_000000.mp4" "$tree/a/deep/drf0_20120314_120000.mp4" \
  "$tree/b/drf0_20120314_235959.mp4" >"$tmp/want"
diff "$tmp/want" "$tmp/out" || fail "both bounds"

expect_rc 0 search "$tree" --start 2012-03-14T18:00:00
[ "$(wc -l <"$tmp/out")" -eq 3 ] || fail "start only takes the whole day"
expect_rc 0 search "$tree" --end 2012-03-15T10:00:00
[ "$(cat "$tmp/out")" = "$tree/Event/drf0_20120315_000000.mp4" ] || fail "end only"

expect_rc 1 search "$tree"
grep "There is no searched file." "$tmp/err" >/dev/null || fail "message 24"
expect_rc 1 search "$tree" --start 2013-01-01T00:00:00 --end 2013-01-02T00:00:00
expect_rc 1 search "$tree" --start 2012-13-01T00:00:00
expect_rc 1 search
echo ok
