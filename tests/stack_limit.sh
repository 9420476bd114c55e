#!/bin/sh
# The parse stack holds at most 9,999 entries: a label that is the first
# attribute of the first widget may hold 9,973 TEXT tokens, and a 9,974th
# ends the parse there (result 2), with the output cut at that token.
set -u
fluac=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

make_input() {  # make_input N: a label of N one-character TEXT tokens
    printf '# data file\nversion 1.0308\nheader_name {.h}\ncode_name {.cxx}\n'
    printf 'Function {f()} {} {\n  Fl_Box b {\n    label {'
    head -c "$1" /dev/zero | tr '\0' ';'
    printf '}\n  }\n}\n'
}

fail=0
make_input 9973 >"$dir/fits.fl"
"$fluac" "$dir/fits.fl" "$dir/fits.lua" 2>"$dir/fits.err" || fail=1
{ printf -- '--function f()\ndo b= fltk:Fl_Box(0,0,0,0,"")\nb:label("'
  head -c 9973 /dev/zero | tr '\0' ';'
  printf '")\nend\n\n--end\nFl:run()\n'; } >"$dir/fits.expected"
cmp -s "$dir/fits.expected" "$dir/fits.lua" || { echo "9973 tokens: output differs"; fail=1; }
[ -s "$dir/fits.err" ] && { echo "9973 tokens: unexpected message:"; cat "$dir/fits.err"; fail=1; }

make_input 9974 >"$dir/over.fl"
"$fluac" "$dir/over.fl" "$dir/over.lua" 2>"$dir/over.err" || { echo "9974 tokens: non-zero exit"; fail=1; }
{ printf -- '--function f()\ndo b= fltk:Fl_Box(0,0,0,0,"")\nb:label("'
  head -c 9974 /dev/zero | tr '\0' ';'
  printf 'Fl:run()\n'; } >"$dir/over.expected"
cmp -s "$dir/over.expected" "$dir/over.lua" || { echo "9974 tokens: output differs"; fail=1; }
grep -q "over.fl:7: the input nests or repeats too deeply for the parse stack (memory exhausted); the Lua script is incomplete" "$dir/over.err" ||
    { echo "9974 tokens: message missing:"; cat "$dir/over.err"; fail=1; }
# Words and spaces are matched two lexemes at a time: the stack still fills at
# the 9,974th lexeme, whether that is a word or a space. ";" shifts the count
# by one, so that the lexeme is a space in one case and a word in the other.
for prefix in "" ";"; do
    make_label() {  # make_label N: a label of the prefix and N lexemes of "a" and " "
        printf '# data file\nversion 1.0308\nheader_name {.h}\ncode_name {.cxx}\n'
        printf 'Function {f()} {} {\n  Fl_Box b {\n    label {%s' "$prefix"
        awk -v n="$1" 'BEGIN { for (i = 0; i < n; i++) printf (i % 2 ? " " : "a") }'
        printf '}\n  }\n}\n'
    }
    rest=$((9974 - ${#prefix}))
    make_label "$rest" >"$dir/pairs.fl"
    "$fluac" "$dir/pairs.fl" "$dir/pairs.lua" 2>"$dir/pairs.err"
    { printf -- '--function f()\ndo b= fltk:Fl_Box(0,0,0,0,"")\nb:label("%s' "$prefix"
      awk -v n="$rest" 'BEGIN { for (i = 0; i < n; i++) printf (i % 2 ? " " : "a") }'
      printf 'Fl:run()\n'; } >"$dir/pairs.expected"
    cmp -s "$dir/pairs.expected" "$dir/pairs.lua" || { echo "words and spaces after '$prefix': output differs"; fail=1; }
    grep -q "memory exhausted" "$dir/pairs.err" || { echo "words and spaces after '$prefix': no message"; fail=1; }
    make_label $((rest - 1)) >"$dir/pairs.fl"
    "$fluac" "$dir/pairs.fl" "$dir/pairs.lua" 2>"$dir/pairs.err"
    [ -s "$dir/pairs.err" ] && { echo "words and spaces after '$prefix', one lexeme fewer:"; cat "$dir/pairs.err"; fail=1; }
done
# The extended mode reads text into a list that does not grow the stack.
make_input 100000 >"$dir/long.fl"
"$fluac" --extended "$dir/long.fl" "$dir/long.lua" 2>"$dir/long.err" || fail=1
{ printf -- '--function f()\ndo b= fltk:Fl_Box(0,0,0,0,"")\nb:label("'
  head -c 100000 /dev/zero | tr '\0' ';'
  printf '")\nend\n\n--end\nFl:run()\n'; } >"$dir/long.expected"
cmp -s "$dir/long.expected" "$dir/long.lua" || { echo "extended mode, 100000 tokens: output differs"; fail=1; }
[ -s "$dir/long.err" ] && { echo "extended mode, 100000 tokens:"; cat "$dir/long.err"; fail=1; }
exit $fail
