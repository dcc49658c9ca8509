#!/usr/bin/env bash
# The user's guide shows only pictures that exist, each one listed in docs/images/sources.txt
# with the test that takes it, and that test exists (so scripts/guide-pictures can take the
# picture again); the README links the guide.
source "$(dirname "$0")/lib/common.sh"
src="$(cd "$(dirname "$0")/../.." && pwd)"
guide="$src/docs/guide.md"
sources="$src/docs/images/sources.txt"

grep -F '(docs/guide.md)' "$src/README.md" >/dev/null || fail "the README does not link docs/guide.md"
linked=$(grep -o '](images/[^)]*)' "$guide" | sed 's/^](images\///; s/)$//' | sort -u)
[ -n "$linked" ] || fail "the guide shows no picture"
tests=$(ctest --test-dir "$build" -N | sed -n 's/^ *Test *#[0-9]*: //p')
for picture in $linked; do
  [ -s "$src/docs/images/$picture" ] || fail "docs/images/$picture is missing"
  line=$(grep "^$picture " "$sources") || fail "$picture is not in docs/images/sources.txt"
  test_name=$(echo "$line" | awk '{ print $3 }')
  echo "$tests" | grep -xF "$test_name" >/dev/null || fail "$picture is taken by '$test_name', which is no test"
  identify "$src/docs/images/$picture" >/dev/null || fail "docs/images/$picture is no picture"
done
