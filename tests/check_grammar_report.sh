#!/bin/sh
# Reads bison's report on the grammar: 295 states, 178 rules, no conflicts (the
# FLUID grammar's 294 and 177, and the rule and state that end a run of text
# where it would fill the parse stack).
set -u
report=$1
states=$(grep -c '^State [0-9][0-9]*$' "$report")
rules=$(sed -n '/^Grammar$/,/^Terminals/p' "$report" | grep -cE '^ +[0-9]+ ')
conflicts=$(grep -ci 'conflict' "$report")
echo "states $states, rules $rules, conflict lines $conflicts"
[ "$states" -eq 295 ] && [ "$rules" -eq 178 ] && [ "$conflicts" -eq 0 ]
