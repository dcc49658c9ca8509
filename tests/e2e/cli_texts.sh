#!/usr/bin/env bash
# direvovu-cli texts: the messages table in English, a traditional Chinese tooltip,
# the table list, and bad usage. grep reads its whole input (no -q) so that pipefail
# never sees a writer cut off early.
source "$(dirname "$0")/lib/common.sh"
tab=$'\t'

out=$("$cli" texts --table messages --language 1)
[ "$(echo "$out" | wc -l)" -eq 45 ]
echo "$out" | grep -xF "messages${tab}0${tab}\\nThere is no printer." >/dev/null
echo "$out" | grep -xF "messages${tab}14${tab}\\nThere is no SD or  check write protection of SD card." >/dev/null
echo "$out" | grep -xF "messages${tab}30${tab}\\nSearching SD device.\\n\\nPlease wait ..." >/dev/null
[ "$(echo "$out" | tail -1)" = "messages${tab}44${tab}\\nCan't formatting SD memory.\\nPlease don't play any file and restart formatting." ]

# English is the default column; --language=N works as well.
[ "$("$cli" texts --table messages)" = "$out" ]
"$cli" texts --table=main --language=5 | grep -xF "main${tab}1${tab}恢復" >/dev/null

# Every table, in order, one line per row.
tables=$("$cli" texts --tables)
[ "$(echo "$tables" | wc -l)" -eq 21 ]
[ "$(echo "$tables" | head -1)" = buttons ]
echo "$tables" | grep -x messages >/dev/null
[ "$("$cli" texts --language 0 | wc -l)" -eq 372 ]
[ "$("$cli" texts --language 0 | cut -f1 | uniq)" = "$tables" ]

"$cli" texts --help | grep -- '--language' >/dev/null

for bad in "--language 7" "--language -1" "--language x" "--language" "--table nosuch" "--table" "--bogus"; do
  set +e
  # shellcheck disable=SC2086
  err=$("$cli" texts $bad 2>&1 >/dev/null); rc=$?
  set -e
  [ $rc -eq 1 ] || fail "texts $bad gave $rc"
  [ "$(echo "$err" | wc -l)" -eq 1 ] || fail "texts $bad: $err"
done
echo ok
