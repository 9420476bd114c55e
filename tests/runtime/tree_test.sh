#!/bin/sh
# fluac-lua --tree, without a display, prints what tree.expected holds for
# tree.lua.
# usage: tree_test.sh FLUAC_LUA TESTDIR
set -u
fluac_lua=$1 tests=$2
out=$(mktemp)
trap 'rm -f "$out"' EXIT
(cd "$tests" && env -u DISPLAY "$fluac_lua" --tree tree.lua) >"$out" 2>&1
if ! cmp -s "$tests/tree.expected" "$out"; then
    diff -u "$tests/tree.expected" "$out"
    exit 1
fi
