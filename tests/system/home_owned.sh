#!/usr/bin/env bash
# After an install through the real polkit, nothing in the user's home may
# belong to anyone but the user: the report polkit_install.sh wrote must be
# empty.
#   home_owned.sh <home report>
set -euo pipefail
report=${1:?usage: home_owned.sh <home report>}
[ -f "$report" ] || { echo "FAIL: no report at $report; did the polkit install test run?" >&2; exit 1; }
if [ -s "$report" ]; then
    echo "FAIL: entries of the user's home owned by someone else:" >&2
    cat "$report" >&2
    exit 1
fi
echo "PASS: the user's home is all the user's"
