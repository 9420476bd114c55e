#!/bin/sh
# The example applications driven as a person would drive them, under an X
# server without a window manager: xdotool types, clicks and presses
# shortcuts; the test checks the window titles the applications show, the
# files they write, and pixels of screenshots taken with window_png.
# usage: apps_test.sh FLUAC FLUAC_LUA WINDOW_PNG SOURCE_DIR WORK_DIR [APP...]
set -u
fluac=$1 fluac_lua=$2 window_png=$3 src=$4 work=$5
shift 5
apps=${*:-"text_editor editor_files contacts kitchen_timer"}
[ -n "${XVFB_STARTED:-}" ] && : >"$XVFB_STARTED"
if ! command -v xdotool >/dev/null 2>&1; then
    echo "skipped: xdotool is not installed (Debian package xdotool)"
    exit 77
fi
# The X server resets when its last client leaves, refusing new ones for a
# while; a client stays connected from one application to the next.
xdotool sleep 100000 &
keeper=$!
trap 'kill "$keeper" 2>/dev/null' EXIT
mkdir -p "$work"
passed=0 failed=0 pid= win=

pass() { passed=$((passed + 1)); echo "ok   $1"; }
fail() {
    failed=$((failed + 1))
    echo "FAIL $1: $2"
    [ -s "$work/app.err" ] && sed 's/^/       /' "$work/app.err"
}

# check NAME COMMAND...: one step of a scenario; a failed step ends it.
check() {
    name=$1
    shift
    if "$@"; then pass "$name"; return 0; fi
    fail "$name" "${why:-failed}"
    return 1
}

# start APP ARGS...: translates and runs the application, and waits for its
# main window.
start() {
    app=$1
    shift
    "$fluac" "$src/examples/$app/$app.fl" "$work/$app.lua" || return 1
    (cd "$work" && exec "$fluac_lua" "$app.lua" "$@") >"$work/app.out" 2>"$work/app.err" &
    pid=$!
    win=
    for _ in $(seq 100); do
        win=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
        [ -n "$win" ] && break
        sleep 0.1
    done
    [ -n "$win" ] || { why="no window"; return 1; }
    xdotool windowfocus --sync "$win"
}

# stop: ends the application if it still runs.
stop() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    [ -n "$pid" ] && wait "$pid" 2>/dev/null
    pid=
}

# title_is TEXT: the main window's title becomes TEXT within three seconds.
title_is() {
    for _ in $(seq 60); do
        title=$(xdotool getwindowname "$win" 2>/dev/null)
        [ "$title" = "$1" ] && return 0
        sleep 0.05
    done
    why="title \"$title\", expected \"$1\""
    return 1
}

# stays TEXT SECONDS: the title is TEXT and still is after that long.
stays() {
    title_is "$1" && sleep "$2" && title_is "$1"
}

# file_is FILE TEXT: the file holds exactly TEXT (printf format).
file_is() {
    expected=$(printf "$2")
    actual=$(cat "$1" 2>/dev/null)
    [ "$actual" = "$expected" ] && return 0
    why="$1 holds \"$actual\", expected \"$expected\""
    return 1
}

# same ACTUAL EXPECTED, more ACTUAL LEAST: values read from a screenshot.
same() {
    [ "$1" = "$2" ] && return 0
    why="\"$1\", expected \"$2\""
    return 1
}
more() {
    [ "$1" -ge "$2" ] 2>/dev/null && return 0
    why="$1, expected at least $2"
    return 1
}

# keys KEY...: key presses to the main window.
keys() {
    xdotool windowfocus --sync "$win" && xdotool key --delay 30 "$@"
}

# type TEXT: typed into the main window.
type_text() {
    xdotool windowfocus --sync "$win" && xdotool type --delay 20 "$1"
}

click() {
    xdotool windowfocus --sync "$win" && xdotool mousemove --window "$win" "$1" "$2" click 1
}

# dialog: waits for a window of the application other than the main one,
# gives it the keyboard, and sets $dialog.
dialog() {
    dialog=
    for _ in $(seq 60); do
        dialog=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$win" | head -n 1)
        [ -n "$dialog" ] && break
        sleep 0.05
    done
    [ -n "$dialog" ] || { why="no dialog"; return 1; }
    xdotool windowfocus --sync "$dialog"
}

# gone: the dialog is no longer shown (within three seconds), so that the
# next dialog is not taken for it.
gone() {
    for _ in $(seq 60); do
        xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -qx "$dialog" || return 0
        sleep 0.05
    done
    why="the dialog stays"
    return 1
}

# answer KEYS... / answer_text TEXT: to the dialog that comes up.
answer() { dialog && xdotool key --delay 30 "$@" && gone; }
answer_text() { dialog && xdotool type --delay 20 "$1" && xdotool key Return && gone; }

# pixels OUT SPEC...: a screenshot of the main window, and what window_png
# says of the points and areas asked for, one per line, in $pixels.
pixels() {
    out=$1
    shift
    pixels=$("$window_png" "$win" "$work/$out" "$@") || { why="no screenshot"; return 1; }
}

# exits: the application ends within three seconds, without an error.
exits() {
    for _ in $(seq 60); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    if kill -0 "$pid" 2>/dev/null; then why="still running"; return 1; fi
    wait "$pid"
    status=$?
    pid=
    [ "$status" = 0 ] && [ ! -s "$work/app.err" ] && return 0
    why="exit status $status"
    return 1
}

# The text editor: typing marks the title, Ctrl+S saves to the file named on
# the command line, Ctrl+F finds, Ctrl+Z undoes, and Ctrl+Q asks before
# unsaved changes go.
text_editor() {
    rm -f "$work/notes.txt"
    check editor.starts start text_editor notes.txt &&
    check editor.title title_is "notes.txt - Text Editor" &&
    click 300 200 &&
    type_text "hello world" && keys Return && type_text "second line" && keys Return &&
    check editor.title_marks_changes title_is "*notes.txt - Text Editor" &&
    check editor.text_drawn pixels editor.png 0,25,640,40 &&
    check editor.text_shows more "$pixels" 50 &&
    keys ctrl+s &&
    check editor.save_clears_mark title_is "notes.txt - Text Editor" &&
    check editor.saved file_is "$work/notes.txt" "hello world\nsecond line\n" &&
    keys ctrl+Home ctrl+f &&
    answer_text world &&
    type_text there &&
    keys ctrl+s &&
    check editor.find_selects file_is "$work/notes.txt" "hello there\nsecond line\n" &&
    keys ctrl+z ctrl+s &&
    check editor.undo file_is "$work/notes.txt" "hello world\nsecond line\n" &&
    type_text "!" &&
    keys ctrl+q &&
    answer Escape &&
    check editor.quit_cancelled stays "*notes.txt - Text Editor" 0.3 &&
    keys ctrl+q &&
    answer Return &&
    check editor.quit_saves exits &&
    check editor.saved_on_quit file_is "$work/notes.txt" "hello world!\nsecond line\n"
    stop
}

# The editor's files: Ctrl+O opens one chosen in the file chooser, and
# Ctrl+Shift+S saves the text under another name, which the title shows.
editor_files() {
    printf 'first\n' >"$work/a.txt"
    rm -f "$work/b.txt"
    check files.starts start text_editor &&
    check files.untitled title_is "Untitled - Text Editor" &&
    keys ctrl+o &&
    answer_text a.txt &&
    check files.opened title_is "a.txt - Text Editor" &&
    keys ctrl+End &&
    type_text second &&
    keys ctrl+shift+s &&
    answer_text b.txt &&
    check files.saved_as title_is "b.txt - Text Editor" &&
    check files.written file_is "$work/b.txt" "first\nsecond" &&
    check files.original_kept file_is "$work/a.txt" "first\n" &&
    keys ctrl+q &&
    check files.quits exits
    stop
}

# The contact list: the filter narrows the list (the title counts), a
# contact's details are changed and saved, the list sorts by city, a
# contact is deleted after a confirmation and one is added.
contacts() {
    printf '%s\n' "Ada,ada@example.org,555-0101,London" "Bert,bert@example.org,555-0102,Berlin" \
        "Cleo,cleo@example.org,555-0103,Paris" "Dan,dan@example.org,555-0104,Amsterdam" \
        "Eve,eve@example.org,555-0105,Berlin" >"$work/contacts.csv"
    check contacts.starts start contacts contacts.csv &&
    check contacts.all_listed title_is "Contacts (5 of 5)" &&
    check contacts.list_drawn pixels contacts.png 12,47,200,80 &&
    check contacts.list_shows more "$pixels" 100 &&
    click 150 22 &&
    type_text berlin &&
    check contacts.filtered title_is "Contacts (2 of 5)" &&
    click 60 55 &&
    click 440 117 &&
    keys End shift+Home &&
    type_text "bert@example.com" &&
    keys Return &&
    click 220 337 &&
    check contacts.saved_change file_is "$work/contacts.csv" \
        "Ada,ada@example.org,555-0101,London\nBert,bert@example.com,555-0102,Berlin\nCleo,cleo@example.org,555-0103,Paris\nDan,dan@example.org,555-0104,Amsterdam\nEve,eve@example.org,555-0105,Berlin" &&
    click 150 22 &&
    keys End shift+Home BackSpace &&
    check contacts.unfiltered title_is "Contacts (5 of 5)" &&
    click 360 22 &&
    click 60 55 &&
    click 135 337 &&
    answer Return &&
    check contacts.deleted title_is "Contacts (4 of 4)" &&
    click 50 337 &&
    answer_text Zoe &&
    check contacts.added title_is "Contacts (5 of 5)" &&
    click 220 337 &&
    check contacts.saved_list file_is "$work/contacts.csv" \
        "Ada,ada@example.org,555-0101,London\nBert,bert@example.com,555-0102,Berlin\nCleo,cleo@example.org,555-0103,Paris\nEve,eve@example.org,555-0105,Berlin\nZoe,,,"
    stop
}

# The kitchen timer: the seconds typed set it, a click on the dial starts
# and pauses it, the Start button resumes it, and it ends at "Done"; the
# dial shows the time left as a red slice that is gone at the end.
kitchen_timer() {
    check timer.starts start kitchen_timer 90 &&
    check timer.title title_is "1:30 - Timer" &&
    check timer.dial_drawn pixels timer_start.png 150,40 150,140 &&
    check timer.slice_shown same "$(echo $pixels)" "127,0,0 255,255,255" &&
    click 120 322 &&
    keys End shift+Home &&
    type_text 2 &&
    keys Tab &&
    check timer.set title_is "0:02 - Timer" &&
    click 150 140 &&
    check timer.runs title_is "0:01 - Timer" &&
    click 150 140 &&
    check timer.pauses stays "0:01 - Timer" 1.2 &&
    click 190 322 &&
    check timer.done title_is "Done - Timer" &&
    check timer.dial_empty pixels timer_done.png 150,40 &&
    check timer.slice_gone same "$pixels" "255,255,255"
    stop
}

for app in $apps; do
    "$app"
done
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
