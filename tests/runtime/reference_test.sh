#!/bin/sh
# The installed reference, fluac-lua-api(3), holds every name the binding
# answers, and renders without warnings. Needs an X server.
# usage: reference_test.sh FLUAC_LUA SOURCE_DIR WORK_DIR PAGE
set -u
fluac_lua=$1 src=$2 work=$3 page=$4
mkdir -p "$work/prefs"
[ -n "${XVFB_STARTED:-}" ] && : >"$XVFB_STARTED"
"$fluac_lua" "$src/tests/runtime/api_names.lua" "$src/tests/render/screens/info_icon.png" \
    "$work/prefs" >"$work/bound.txt" || exit 1
"$fluac_lua" "$src/tests/runtime/reference_test.lua" "$work/bound.txt" "$page" || exit 1
out=$(groff -ww -man -z "$page" 2>&1)
[ -z "$out" ] || { echo "groff warns on $page:"; echo "$out"; exit 1; }
