#!/usr/bin/env bash
# The include check over a small tree of its own: every arrow it must refuse is refused
# (with the line named), what the house allows passes, and the checkout itself passes.
source "$(dirname "$0")/lib/common.sh"
src="$(cd "$(dirname "$0")/../.." && pwd)"
check="$src/scripts/check-includes"

# tree <file> <include>: a one-line source file in a fresh tree under $tmp/tree.
tree() {
  rm -rf "$tmp/tree"
  mkdir -p "$tmp/tree/$(dirname "$1")" "$tmp/tree/src" "$tmp/tree/tools"
  printf '#include "%s"\n' "$2" >"$tmp/tree/$1"
}

refused=(
  "src/core/a.cpp gui/controls/x.h"
  "src/core/a.cpp platform/x.h"
  "src/player/a.cpp gui/skin/x.h"
  "src/platform/a.cpp player/x.h"
  "src/gui/controls/a.cpp gui/sdcard/x.h"
  "src/gui/controls/a.cpp player/x.h"
  "src/gui/skin/a.cpp gui/controls/x.h"
  "src/gui/map/a.h gui/display/x.h"
  "src/gui/map/a.h gui/app/x.h"
  "src/gui/export/a.cpp media/x.h"
  "tools/cli/a.cpp gui/controls/x.h"
  "tools/cli/a.cpp player/x.h"
  "tools/cli/a.cpp gui/map/x.h"
)
allowed=(
  "src/core/a.cpp core/b/x.h"
  "src/player/a.cpp core/x.h"
  "src/gui/controls/a.cpp gui/skin/x.h"
  "src/gui/map/a.h gui/controls/x.h"
  "src/gui/map/a.h player/x.h"
  "src/gui/map/a.h gui/map/x.h"
  "src/gui/app/a.cpp gui/map/x.h"
  "src/gui/app/a.cpp media/x.h"
  "src/app/main.cpp gui/app/x.h"
  "tools/cli/a.cpp media/x.h"
  "tools/cli/a.cpp gui/export/x.h"
  "tools/cli/a.cpp command.h"
)
for case in "${refused[@]}"; do
  read -r file include <<<"$case"
  tree "$file" "$include"
  if "$check" "$tmp/tree" >"$tmp/out" 2>&1; then fail "$file including $include passed"; fi
  grep -F "$file:1:" "$tmp/out" >/dev/null || fail "$file including $include: the line is not named: $(cat "$tmp/out")"
done
for case in "${allowed[@]}"; do
  read -r file include <<<"$case"
  tree "$file" "$include"
  "$check" "$tmp/tree" >"$tmp/out" 2>&1 || fail "$file including $include refused: $(cat "$tmp/out")"
done
"$check" "$src" >"$tmp/out" 2>&1 || fail "the checkout crosses the arrows: $(cat "$tmp/out")"
