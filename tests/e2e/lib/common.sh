# shellcheck shell=bash disable=SC2034  # its variables are for the scripts that source it
# The start every end-to-end script shares. Sourced as
#   source "$(dirname "$0")/lib/common.sh"
# with the script's own arguments, so that $1 is the build folder. It lives below
# tests/e2e because every script directly in that folder is a test of its own.
set -euo pipefail

# The build folder, absolute: some scripts change folder before they run programs.
build="$(cd "${1:?usage: $(basename "$0") <build-dir>}" && pwd)"
sample="$build/direvovu-sample"
cli="$build/direvovu-cli"
# A folder of the script's own, gone when it ends however it ends.
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
# No session bus unless the script starts one of its own (then it runs again inside it, with
# the bus's address). Without any address libdbus forks to autolaunch a bus on the X
# display, and the child of a fork in a threaded sanitizer build can spin for ever on an
# allocator lock that another thread held.
export DBUS_SESSION_BUS_ADDRESS="${DBUS_SESSION_BUS_ADDRESS:-unix:path=$tmp/no-session-bus}"
# A private X server for the windows, big enough for the main window.
xvfb=(xvfb-run -a -s "-screen 0 1280x1024x24")

# Files whose last lines fail shows before it ends the script (the viewer's output).
logs=()
fail() {
  echo "FAIL: $*" >&2
  local log
  for log in "${logs[@]}"; do
    echo "--- $(basename "$log") (last lines)" >&2
    tail -n 40 "$log" >&2 || true
  done
  exit 1
}

# Runs the CLI and checks its exit code: expect_rc <code> <arguments...>. Standard output
# goes to $tmp/out, errors to $tmp/err.
expect_rc() {
  local want=$1
  shift
  local rc=0
  "$cli" "$@" >"$tmp/out" 2>"$tmp/err" || rc=$?
  [ "$rc" -eq "$want" ] || fail "direvovu-cli $* exited $rc, wanted $want: $(cat "$tmp/err")"
}

# The viewer's working root and a removable drive E under $tmp, with a folder for
# recordings at $tmp/rec; the windows go to the Xvfb display, whatever the caller set.
viewer_env() {
  export DIREVOVU_ROOT="$tmp/root"
  export DIREVOVU_DRIVES="E=$tmp/card"
  export QTWEBENGINE_DISABLE_SANDBOX=1
  unset QT_QPA_PLATFORM
  mkdir -p "$tmp/card" "$tmp/rec"
}

# Runs the viewer with silent sound on the Xvfb display for at most <seconds>:
# run_viewer <seconds> <arguments...>. Its output goes to $tmp/out.txt and $tmp/err.txt,
# which fail then shows; its exit code is left in $status.
run_viewer() {
  local seconds=$1
  shift
  logs=("$tmp/out.txt" "$tmp/err.txt")
  status=0
  DIREVOVU_VLC_OPTIONS="--aout=dummy" timeout "$seconds" "${xvfb[@]}" "$build/direvovu" "$@" \
    >"$tmp/out.txt" 2>"$tmp/err.txt" || status=$?
}

# Prints the path of the picture <name> under the build folder, where people look at
# them, with its folder made and an older picture of that name removed.
fresh_screenshot() {
  local shot="$build/screenshots/$1"
  mkdir -p "$build/screenshots"
  rm -f "$shot"
  echo "$shot"
}

# A picture someone can look at: there, and not one flat colour (more than 50 colours).
check_picture() {
  [ -s "$1" ] || fail "missing $1"
  local colours
  colours=$(convert "$1" -format '%k' info:)
  [ "$colours" -gt 50 ] || fail "$1 has only $colours colours"
}

# Checks a gtest run of the GUI tests: every test its filter lists must have run and
# passed (a filter that matched nothing, or a test that was skipped or left out, fails).
# check_gtest_run <log> <filter> <what failed>
check_gtest_run() {
  local log=$1 filter=$2 what=$3 listed
  listed=$("$build/tests/gui/gui_tests" --gtest_list_tests --gtest_filter="$filter" | grep -c '^  ' || true)
  [ "$listed" -gt 0 ] || fail "$what: no test matches $filter"
  local plural="tests"
  [ "$listed" -eq 1 ] && plural="test"
  grep -q "^\[  PASSED  \] $listed $plural\.$" "$log" || fail "$what (wanted $listed $plural passed)"
  if grep -q '^\[  SKIPPED \]\|^\[  FAILED  \]' "$log"; then fail "$what: a test was skipped or failed"; fi
}
