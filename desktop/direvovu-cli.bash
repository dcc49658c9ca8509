# bash completion for direvovu-cli. The commands and options are read from the
# program's own --help, so they never fall behind it.

_direvovu_cli_commands() {
  "$1" --help 2>/dev/null | awk '/^Commands:/ { listing = 1; next } listing && /^  [a-z]/ { print $1 }'
}

_direvovu_cli_options() {
  "$1" "$2" --help 2>/dev/null | grep -o -- '--[a-z][a-z-]*' | sort -u
}

_direvovu_cli() {
  local program=${COMP_WORDS[0]} current=${COMP_WORDS[COMP_CWORD]}
  COMPREPLY=()
  if [ "$COMP_CWORD" -eq 1 ]; then
    mapfile -t COMPREPLY < <(compgen -W "$(_direvovu_cli_commands "$program") --help --version" -- "$current")
    return
  fi
  local command=${COMP_WORDS[1]}
  if [ "$command" = card ] && [ "$COMP_CWORD" -eq 2 ]; then
    mapfile -t COMPREPLY < <(compgen -W "list download" -- "$current")
    return
  fi
  if [ "$command" = library ] && [ "$COMP_CWORD" -eq 2 ]; then
    mapfile -t COMPREPLY < <(compgen -W "scan find moments" -- "$current")
    return
  fi
  if [[ $current == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$(_direvovu_cli_options "$program" "$command")" -- "$current")
    return
  fi
  case ${COMP_WORDS[COMP_CWORD - 1]} in
    --format)
      mapfile -t COMPREPLY < <(compgen -W "csv json gpx kml geojson" -- "$current")
      return ;;
    --language)
      mapfile -t COMPREPLY < <(compgen -W "0 1 2 3 4 5 6" -- "$current")
      return ;;
    --kind)
      if [ "$command" = library ]; then
        mapfile -t COMPREPLY < <(compgen -W "driving event parking parking-event braking acceleration shock" -- "$current")
        return
      fi
      mapfile -t COMPREPLY < <(compgen -W "0 1 2 3 4" -- "$current")
      return ;;
  esac
  mapfile -t COMPREPLY < <(compgen -f -- "$current")
  compopt -o filenames 2>/dev/null
}

complete -F _direvovu_cli direvovu-cli
