#!/usr/bin/env bash
# Bash completion of direvovu-cli: commands from the program's help, a command's options,
# the values of --format, and file names elsewhere.
source "$(dirname "$0")/lib/common.sh"
src="$(cd "$(dirname "$0")/../.." && pwd)"
# shellcheck source=../../desktop/direvovu-cli.bash
source "$src/desktop/direvovu-cli.bash"

completions() {  # completions WORD... : what completing the last word offers, one a line
  COMP_WORDS=("$cli" "$@")
  COMP_CWORD=$#
  COMPREPLY=()
  _direvovu_cli
  printf '%s\n' "${COMPREPLY[@]}"
}

commands=$("$cli" --help | awk '/^Commands:/ { listing = 1; next } listing && /^  [a-z]/ { print $1 }')
offered=$(completions "")
for command in $commands; do
  echo "$offered" | grep -x "$command" >/dev/null || fail "command '$command' is not offered"
done
[ "$(completions tra)" = track ] || fail "'tra' completes to: $(completions tra)"
completions track --f | grep -x -- --format >/dev/null || fail "track's --format is not offered"
[ "$(completions track --format g | sort | tr '\n' ' ')" = "geojson gpx " ] || fail "--format values"
completions card "" | grep -x download >/dev/null || fail "card's sub-commands"

touch "$tmp/drive.mp4"
[ "$(completions info "$tmp/dri")" = "$tmp/drive.mp4" ] || fail "file names are not completed"
