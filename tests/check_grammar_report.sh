#!/bin/sh
# Reads bison's report on the grammar: 294 states, 177 rules, no conflicts.
set -u
report=$1
states=$(grep -c '^State [0-9][0-9]*$' "$report")
rules=$(sed -n '/^Grammar$/,/^Terminals/p' "$report" | grep -cE '^ +[0-9]+ ')
conflicts=$(grep -ci 'conflict' "$report")
echo "states $states, rules $rules, conflict lines $conflicts"
[ "$states" -eq 294 ] && [ "$rules" -eq 177 ] && [ "$conflicts" -eq 0 ]
