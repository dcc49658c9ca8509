#!/usr/bin/env bash
# The manual pages render without a warning, and direvovu-cli(1) has a section for every
# command of the program's help with every option that command's help names.
source "$(dirname "$0")/lib/common.sh"
man_dir="$build/desktop/man"

for page in "$man_dir/direvovu.1" "$man_dir/direvovu-cli.1"; do
  MANWIDTH=80 man --warnings -E UTF-8 -l "$page" >"$tmp/page.txt" 2>"$tmp/warnings.txt" || fail "man -l $page failed"
  [ ! -s "$tmp/warnings.txt" ] || fail "man -l $page warns: $(cat "$tmp/warnings.txt")"
  [ -s "$tmp/page.txt" ] || fail "man -l $page rendered nothing"
done

MANWIDTH=200 man -E UTF-8 -l "$man_dir/direvovu-cli.1" >"$tmp/cli.txt" 2>/dev/null
commands=$("$cli" --help | awk '/^Commands:/ { listing = 1; next } listing && /^  [a-z]/ { print $1 }')
[ -n "$commands" ] || fail "no command in direvovu-cli --help"
for command in $commands; do
  grep -x "   $command" "$tmp/cli.txt" >/dev/null || fail "no section for '$command' in direvovu-cli(1)"
  for option in $("$cli" "$command" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    grep -F -- "$option" "$tmp/cli.txt" >/dev/null || fail "'$command $option' is not in direvovu-cli(1)"
  done
done

# The viewer's page names what the viewer reads from its environment.
MANWIDTH=200 man -E UTF-8 -l "$man_dir/direvovu.1" >"$tmp/viewer.txt" 2>/dev/null
for variable in DIREVOVU_ROOT DIREVOVU_DRIVES DIREVOVU_VLC_OPTIONS Env_Setup.txt; do
  grep -F "$variable" "$tmp/viewer.txt" >/dev/null || fail "direvovu(1) does not name $variable"
done
