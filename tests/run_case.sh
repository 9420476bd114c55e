#!/bin/sh
# Translates one golden case and compares what fluac wrote with what it must.
# NAME.args, when present, holds the options to translate it with.
# usage: run_case.sh FLUAC CASE.fl
set -u
fluac=$1
case_fl=$2
base=${case_fl%.fl}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# NAME.args holds the options a case is translated with, if any.
args=""
[ -f "$base.args" ] && args=$(cat "$base.args")
status=0
# shellcheck disable=SC2086
"$fluac" $args "$case_fl" "$dir/out.lua" 2>"$dir/err" </dev/null || status=$?

expected_status=0
[ -f "$base.status" ] && expected_status=$(cat "$base.status")
fail=0
if [ "$status" != "$expected_status" ]; then
    echo "exit status $status, expected $expected_status"
    fail=1
fi
if ! cmp -s "$base.lua" "$dir/out.lua"; then
    echo "output differs from $base.lua:"
    diff -u "$base.lua" "$dir/out.lua" | head -n 60
    fail=1
fi
if [ ! -f "$base.err" ] && [ -s "$dir/err" ]; then
    echo "unexpected standard error:"
    cat "$dir/err"
    fail=1
elif [ -f "$base.err" ]; then
    # Messages name the case by the path it was given; compare by file name.
    sed "s|$case_fl|$(basename "$case_fl")|g" "$dir/err" >"$dir/err.named"
    if ! cmp -s "$base.err" "$dir/err.named"; then
        echo "standard error differs from $base.err:"
        diff -u "$base.err" "$dir/err.named"
        fail=1
    fi
fi
exit $fail
