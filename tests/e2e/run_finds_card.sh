#!/usr/bin/env bash
# scripts/run starts the viewer on a camera card the desktop mounted (a FAT image on a
# loop device under /media, or a small tmpfs where the kernel has no FAT), leaves drive
# detection to the viewer then, and falls back to the demo card without one or with
# --demo. Mounting needs root; elsewhere only the fall-back is checked.
source "$(dirname "$0")/lib/common.sh"
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
export DIREVOVU_ROOT="$tmp/root"
unset DIREVOVU_DRIVES
run() { DIREVOVU_BUILD_DIR="$build" "$source_dir/scripts/run" --dry-run "$@" 2>"$tmp/err"; }

# Without a card: the demo card, as drive E: of the download window.
out=$(run --language 1)
[ "$(echo "$out" | tail -1)" = "$DIREVOVU_ROOT/DemoCard" ] || fail "no demo card: $out"
grep -qx "DIREVOVU_DRIVES=C=/:fixed,E=$DIREVOVU_ROOT/DemoCard" <<<"$out" || fail "drives: $out"
grep -qx -- "--language" <<<"$out" || fail "the option did not reach the viewer: $out"

if [ "$(id -u)" -ne 0 ]; then
  echo "PASS (not root: no card mounted)"
  exit 0
fi
mkdir -p /media
point=$(mktemp -d /media/direvovu-e2e-XXXXXX)/CARD\ 1
mkdir -p "$point"
cleanup() { umount "$point" 2>/dev/null || true; rm -rf "$(dirname "$point")" "$tmp"; }
trap cleanup EXIT
truncate -s 32M "$tmp/card.img"
mkfs.fat -n DASHCAM "$tmp/card.img" >/dev/null
if ! mount -o loop "$tmp/card.img" "$point" 2>/dev/null &&
  ! mount -t tmpfs -o size=32m tmpfs "$point" 2>/dev/null; then
  echo "PASS (this machine lets no volume be mounted: the card was not tried)"
  exit 0
fi
# A volume without the camera's recordings is not taken for the card.
out=$(run)
[ "$(echo "$out" | tail -1)" = "$DIREVOVU_ROOT/DemoCard" ] || fail "an empty volume was taken: $out"

"$sample" recording --out "$point/Blackbox/20261208" --start 2026-12-08T08:15:00 --seconds 2 --size 160x96 >/dev/null
out=$(run)
[ "$(echo "$out" | tail -1)" = "$point" ] || fail "the mounted card was not opened: $out"
grep -qx "DIREVOVU_DRIVES=" <<<"$out" || fail "drive detection was replaced: $out"
out=$(run --demo)
[ "$(echo "$out" | tail -1)" = "$DIREVOVU_ROOT/DemoCard" ] || fail "--demo did not open the demo: $out"
out=$(run "$tmp/elsewhere.mp4")
[ "$(echo "$out" | tail -1)" = "$tmp/elsewhere.mp4" ] || fail "a path given did not win: $out"
echo "PASS"
