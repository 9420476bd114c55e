#!/bin/sh
# The list of scripts that are invalid Lua on purpose stays true: each line
# names an existing case once, with the step load or run and a reason, and a
# listed case has no widget tree of its own.
# usage: check_list.sh LIST CASES_DIR
set -u
list=$1 cases=$2
fail=0
names=$(grep -v '^#' "$list" | awk '{print $1}')
for name in $names; do
    line=$(grep -v '^#' "$list" | awk -v n="$name" '$1 == n')
    [ "$(echo "$line" | wc -l)" = 1 ] || { echo "$name is listed more than once"; fail=1; }
    [ -f "$cases/$name.fl" ] || { echo "$name is listed, but there is no $name.fl"; fail=1; }
    [ -f "$cases/$name.tree" ] && { echo "$name is listed, but has a widget tree $name.tree"; fail=1; }
    set -- $line
    case ${2:-} in load|run) ;; *) echo "$name: the step must be load or run"; fail=1 ;; esac
    [ $# -ge 3 ] || { echo "$name: no reason given"; fail=1; }
done
exit $fail
