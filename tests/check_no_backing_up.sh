#!/bin/sh
# flex's report on each scanner source: no state from which it must back up,
# which would make every byte cost more (the back-up rules in scanner.l).
set -u
flex=$1; shift
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail=0
for source in "$@"; do
    (cd "$dir" && "$flex" -Cf -b -o /dev/null "$source") || fail=1
    grep -q '^No backing up\.$' "$dir/lex.backup" || { echo "$source:"; cat "$dir/lex.backup"; fail=1; }
done
exit $fail
