#!/bin/sh
# The layout-only scripts of the real files of other projects run under
# fluac-lua: a script that shows a window, or builds widgets that its preview
# shows, must give its screenshot; one that builds none must run to its end;
# either without any other word on standard error. Needs an X server;
# skipped (77) where the folder of real files is absent.
# usage: real_files.sh FLUAC_LUA FLUAC REAL_DIR WORK_DIR
set -u
fluac_lua=$1 fluac=$2 real=$3 work=$4
[ -n "${XVFB_STARTED:-}" ] && : >"$XVFB_STARTED"
if [ ! -d "$real" ]; then
    echo "skipped: there is no folder of real files at $real"
    exit 77
fi
mkdir -p "$work"
passed=0 failed=0 windows=0
for fl in "$real"/*.fl; do
    name=$(basename "$fl" .fl)
    script=$work/$name.lua
    rm -f "$work/$name.png"
    "$fluac" --extended --layout-only "$fl" "$script" 2>/dev/null </dev/null
    (cd "$work" && timeout 60 "$fluac_lua" --screenshot "$name.png" "$name.lua") >"$work/out" 2>&1
    status=$?
    if [ "$status" = 0 ]; then
        windows=$((windows + 1))
        [ -s "$work/$name.png" ] || status="0, but no screenshot"
    elif [ "$status" = 1 ] && [ "$(cat "$work/out")" = \
        "fluac-lua: $name.lua: no window was shown, so there is nothing to take a screenshot of" ]; then
        status=0
        : >"$work/out"
    fi
    if [ "$status" = 0 ] && [ ! -s "$work/out" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL $name (status $status):"
        sed 's/^/       /' "$work/out"
    fi
done
echo "$passed passed ($windows with a window to show), $failed failed"
[ "$failed" = 0 ]
