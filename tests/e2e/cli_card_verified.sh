#!/usr/bin/env bash
# direvovu-cli card download, verify and check on a card: a download killed mid-copy
# resumes and sha256sum -c agrees with its ledger; a full disk mid-file leaves that file
# absent; the JSON counts; verify's exit codes; the card check's marks.
source "$(dirname "$0")/lib/common.sh"
card=$tmp/card
mkdir -p "$card/Blackbox" "$card/Event"
box() { printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($2 >> 24 & 255)) $(($2 >> 16 & 255)) $(($2 >> 8 & 255)) $(($2 & 255)))%s" "$1"; }
# A recording of the camera's layout with an mdat of <bytes>: recording <path> <bytes>.
recording() {
  { box ftyp 16; printf 'isom\0\0\0\0'; box mdat $(($2 + 8)); head -c "$2" /dev/urandom; box moov 16; printf 'mvhdmvhd'; } >"$1"
}
recording "$card/Blackbox/drf0_20261208_081500.mp4" 1000
recording "$card/Blackbox/drf1_20261208_081500.mp4" 1000
recording "$card/Blackbox/drf0_20261208_082500.mp4" $((250 << 20))
recording "$card/Blackbox/drf1_20261208_082500.mp4" 2000
recording "$card/Event/drf0_20261208_083500.mp4" 3000
: >"$card/Event/drf0_20261208_084500.mp4"
printf 'not a movie' >"$card/Event/drf0_20261208_085500.mp4"
printf 'g' >"$card/Event/evt_20261208_083500.txt"

# The card check: path and mark of each marked recording.
expect_rc 0 card check "$card"
[ "$(cat "$tmp/out")" = "$(printf '%s\t%s\n' "$card/Event/drf0_20261208_083500.mp4" no-rear \
  "$card/Event/drf0_20261208_084500.mp4" empty "$card/Event/drf0_20261208_085500.mp4" not-a-recording)" ] ||
  fail "check: $(cat "$tmp/out")"
expect_rc 0 card check "$card" --json
grep -qF '"recordings":5' "$tmp/out" && grep -qF '{"mark":"empty","path":' "$tmp/out" || fail "check json: $(cat "$tmp/out")"

# Killed while the large recording copies; run again, it resumes.
to=$tmp/pc
"$cli" card download "$card" --to "$to" >"$tmp/out" 2>"$tmp/err" &
pid=$!
for _ in $(seq 1 600); do
  compgen -G "$to/Blackbox/.drf0_20261208_082500.mp4.tmp-*" >/dev/null && break
  sleep 0.05
done
kill -KILL "$pid"
wait "$pid" || true
[ ! -e "$to/Blackbox/drf0_20261208_082500.mp4" ] || fail "the large copy finished before the kill"
[ "$(wc -l <"$to/SHA256SUMS")" -eq 2 ] || fail "ledger before the kill: $(cat "$to/SHA256SUMS")"
expect_rc 0 card download "$card" --to "$to"
[ "$(tail -1 "$tmp/out")" = "copied 6, already downloaded 2, failed 0" ] || fail "resume: $(cat "$tmp/out")"
(cd "$to" && sha256sum --quiet -c SHA256SUMS) || fail "sha256sum -c after the resume"
[ "$(wc -l <"$to/SHA256SUMS")" -eq 8 ] || fail "ledger: $(cat "$to/SHA256SUMS")"
[ -z "$(find "$to" -name '.*.tmp-*')" ] || fail "temporary files left: $(find "$to" -name '.*.tmp-*')"
cmp "$card/Blackbox/drf0_20261208_082500.mp4" "$to/Blackbox/drf0_20261208_082500.mp4"

# Nothing new: JSON counts, no byte copied.
expect_rc 0 card download "$card" --to "$to" --json
grep -qF '"already_downloaded":8' "$tmp/out" && grep -qF '"bytes":0' "$tmp/out" && grep -qF '"copied":0' "$tmp/out" ||
  fail "json: $(cat "$tmp/out")"

# verify: 0 while everything matches, 4 naming what changed or went.
expect_rc 0 card verify "$to"
printf 'X' | dd of="$to/Event/drf0_20261208_083500.mp4" bs=1 seek=40 conv=notrunc status=none
rm "$to/Event/evt_20261208_083500.txt"
expect_rc 4 card verify "$to"
grep -qx 'direvovu-cli: Event/drf0_20261208_083500.mp4: differs' "$tmp/err" || fail "verify: $(cat "$tmp/err")"
grep -qx 'direvovu-cli: Event/evt_20261208_083500.txt: missing' "$tmp/err" || fail "verify: $(cat "$tmp/err")"
expect_rc 4 card verify "$tmp/nowhere"

# A disk that fills up mid-file (root mounts a small tmpfs): that file is absent, the
# ledger stays true, the message says the disk is full.
if [ "$(id -u)" -eq 0 ]; then
  disk=$tmp/disk
  mkdir -p "$disk"
  mount -t tmpfs -o size=220m tmpfs "$disk"
  trap 'umount -l "$disk" 2>/dev/null; rm -rf "$tmp"' EXIT
  expect_rc 2 card download "$card" --to "$disk"
  [ "$(tail -1 "$tmp/out")" = "copied 2, already downloaded 0, failed 1" ] || fail "full: $(cat "$tmp/out")"
  grep -q 'the disk is full' "$tmp/err" || fail "full message: $(cat "$tmp/err")"
  [ ! -e "$disk/Blackbox/drf0_20261208_082500.mp4" ] || fail "a part of the large file under its name"
  [ -z "$(find "$disk" -name '.*.tmp-*')" ] || fail "temporary file left on the full disk"
  (cd "$disk" && sha256sum --quiet -c SHA256SUMS) || fail "sha256sum -c on the full disk"
fi

expect_rc 1 card verify
expect_rc 0 card --help
grep -q 'card verify FOLDER' "$tmp/out" || fail "help"
echo ok
