#!/bin/sh
# run_under_x.sh FIRST_DISPLAY COMMAND...: runs COMMAND under its own Xvfb
# server (the same screen settings for every screenshot taken inside), with
# XVFB_STARTED set to a file the command creates once it runs. Exits 77,
# which CTest reports as skipped, when no server could be started.
set -u
first=$1
shift
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "skipped: xvfb-run is not installed (Debian package xvfb)"
    exit 77
fi
marker=$(mktemp)
rm -f "$marker"
status=0
XVFB_STARTED=$marker xvfb-run -a -n "$first" \
    -s "-screen 0 1600x1200x24 -dpi 96 -nolisten tcp" "$@" || status=$?
if [ ! -e "$marker" ]; then
    echo "skipped: no X server could be started with xvfb-run (status $status)"
    exit 77
fi
rm -f "$marker"
exit $status
