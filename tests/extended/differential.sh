#!/bin/sh
# Files in the translated subset come out of the extended mode exactly as out
# of the default mode: every golden case that the default mode translates
# completely, and many generated ones. The only differences allowed are the
# words that the extended mode reads as keywords, listed in the README; the
# cases and the generator avoid them but for hotspot, whose line may differ.
# usage: differential.sh FLUAC LUA CASES_DIR COUNT
set -u
fluac=$1 lua=$2 cases=$3 count=$4
here=$(cd "$(dirname "$0")" && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail=0 complete=0 compared=0

compare() {  # compare FILE.fl LABEL
    "$fluac" "$1" "$dir/default.lua" 2>"$dir/default.err" </dev/null
    compared=$((compared + 1))
    [ -s "$dir/default.err" ] && return  # the default mode stops early: nothing to hold it to
    complete=$((complete + 1))
    "$fluac" --extended "$1" "$dir/extended.lua" 2>"$dir/extended.err" </dev/null
    if [ -s "$dir/extended.err" ]; then
        echo "$2: the extended mode stops where the default mode does not:"; cat "$dir/extended.err"; fail=1
    fi
    grep -v 'hotspot' "$dir/default.lua" >"$dir/d" ; grep -v 'hotspot' "$dir/extended.lua" >"$dir/x"
    if ! cmp -s "$dir/d" "$dir/x"; then
        echo "$2: the modes differ:"; diff "$dir/d" "$dir/x" | head -n 20; fail=1
    fi
}

for fl in "$cases"/*.fl; do
    [ -f "${fl%.fl}.args" ] && continue  # cases of the extended mode itself
    compare "$fl" "$(basename "$fl")"
done
seed=1
while [ "$seed" -le "$count" ]; do
    "$lua" "$here/gen_subset.lua" "$seed" >"$dir/gen.fl"
    compare "$dir/gen.fl" "generated file $seed"
    seed=$((seed + 1))
done
echo "$compared files, $complete translated completely by the default mode, compared"
# The generator writes the subset only; if it stops producing complete files
# the comparison says nothing.
[ "$complete" -ge "$count" ] || { echo "too few complete files"; fail=1; }
exit $fail
