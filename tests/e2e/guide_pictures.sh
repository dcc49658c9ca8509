#!/usr/bin/env bash
# The user's guide shows only pictures that exist, each one listed in docs/images/sources.txt
# and taken by the guide's picture program (so scripts/guide-pictures can take it again);
# the README links the guide.
source "$(dirname "$0")/lib/common.sh"
src="$(cd "$(dirname "$0")/../.." && pwd)"
guide="$src/docs/guide.md"
sources="$src/docs/images/sources.txt"
program="$src/tests/guide/guide_pictures.cpp"

grep -F '(docs/guide.md)' "$src/README.md" >/dev/null || fail "the README does not link docs/guide.md"
linked=$(grep -o '](images/[^)]*)' "$guide" | sed 's/^](images\///; s/)$//' | sort -u)
[ -n "$linked" ] || fail "the guide shows no picture"
for picture in $linked; do
  [ -s "$src/docs/images/$picture" ] || fail "docs/images/$picture is missing"
  grep -q "^$picture " "$sources" || fail "$picture is not in docs/images/sources.txt"
  grep -qF "\"$picture\"" "$program" || fail "$picture is not taken by tests/guide/guide_pictures.cpp"
  identify "$src/docs/images/$picture" >/dev/null || fail "docs/images/$picture is no picture"
done
echo PASS
