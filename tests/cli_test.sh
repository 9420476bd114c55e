#!/bin/sh
# The command line and the streams: usage, unopenable and unwritable files,
# the input as its own output, the standard-input fallback and read errors.
set -u
fluac=$1
cases=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
fail=0
check() {  # check WHAT CONDITION...
    what=$1; shift
    if ! "$@"; then echo "FAIL: $what"; fail=1; fi
}
good="$cases/window_with_button.fl"
cp "$good" ui.fl

# Usage: fewer than two paths writes nothing and exits 2.
"$fluac" >out 2>err; st=$?
check "no arguments: status 2" [ $st -eq 2 ]
check "no arguments: usage on stderr" grep -q '^usage: fluac .*INPUT.fl OUTPUT.lua' err
check "no arguments: nothing on stdout" [ ! -s out ]
"$fluac" ui.fl >out 2>err; st=$?
check "one argument: status 2" [ $st -eq 2 ]
check "one argument: no file created" [ "$(ls)" = "$(printf 'err\nout\nui.fl')" ]
"$fluac" --bogus ui.fl new.lua >out 2>err; st=$?
check "unknown option: status 2" [ $st -eq 2 ]
check "unknown option: message" grep -qx 'fluac: unknown option --bogus' err
check "unknown option: no file created" [ ! -e new.lua ]
"$fluac" --help >out 2>err; st=$?
check "--help: status 0, usage on stdout" [ $st -eq 0 ] && check "--help usage" grep -q '^usage:' out
check "--help: nothing on stderr" [ ! -s err ]
"$fluac" --version >out 2>err; st=$?
check "--version" [ $st -eq 0 ] && check "--version text" grep -q '^fluac [0-9]' out

# An output that cannot be opened: message, status 2, the input not read.
printf 'unread' >stdin.txt
( "$fluac" - missing/dir/out.lua 2>err; echo "status $?" >st; cat >rest ) <stdin.txt
check "unopenable output: status 2" grep -q 'status 2' st
check "unopenable output: message" grep -qx 'fluac: missing/dir/out.lua: No such file or directory' err
check "unopenable output: input not read" grep -qx 'unread' rest

# Writing fails: a full disk is reported, never success.
"$fluac" ui.fl /dev/full 2>err; st=$?
check "full disk: status 2" [ $st -eq 2 ]
check "full disk: message" grep -qx 'fluac: /dev/full: No space left on device' err
# ... also when the failure comes before the final flush (a large output).
{ head -n 4 "$good"; printf 'Function {f()} {} {\n  Fl_Box b {\n    label {'
  head -c 300000 /dev/zero | tr '\0' 'x'; printf '}\n  }\n}\n'; } >big.fl
"$fluac" big.fl /dev/full 2>err; st=$?
check "full disk, large output: status 2" [ $st -eq 2 ]
check "full disk, large output: message" grep -qx 'fluac: /dev/full: No space left on device' err

# The input as its own output, under any name: refused, file untouched.
mkdir sub && ln -s ../ui.fl sub/link.fl && ln ui.fl hard.fl
for out in ui.fl ./ui.fl "$dir/ui.fl" sub/../ui.fl sub/link.fl hard.fl; do
    "$fluac" ui.fl "$out" 2>err; st=$?
    check "same file as $out: status 2" [ $st -eq 2 ]
    check "same file as $out: message" grep -q "^fluac: $out: " err
    check "same file as $out: untouched" cmp -s "$good" ui.fl
done
"$fluac" - ui.fl <ui.fl 2>err; st=$?
check "standard input as output: refused" [ $st -eq 2 ]
check "standard input as output: untouched" cmp -s "$good" ui.fl

# An input that cannot be opened: standard input instead, and it says so.
"$fluac" nothere.fl out.lua <ui.fl 2>err; st=$?
check "missing input: status 0" [ $st -eq 0 ]
check "missing input: message" grep -qx 'fluac: nothere.fl: No such file or directory; reading standard input' err
check "missing input: translated stdin" cmp -s out.lua "$cases/window_with_button.lua"
"$fluac" - out2.lua <ui.fl 2>err; st=$?
check "- : status 0, silent" [ $st -eq 0 ] && check "- : no message" [ ! -s err ]
check "- : translated stdin" cmp -s out2.lua "$cases/window_with_button.lua"

# A read error ends the scanner: a directory as input.
mkdir adir
"$fluac" adir out3.lua 2>err; st=$?
check "directory input: status 2" [ $st -eq 2 ]
check "directory input: message" [ "$(cat err)" = "input in flex scanner failed" ]

exit $fail
