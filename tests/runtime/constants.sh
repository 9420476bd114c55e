#!/bin/sh
# Every FL_* number fluac-lua exports is FLTK's own: the names and numbers come
# from fluac-lua, FLTK's numbers for the same names from a program compiled
# against FLTK's headers and library.
# usage: constants.sh FLUAC_LUA CXX FLTK_INCLUDE_DIR FLTK_LIBRARY WORK_DIR
set -u
fluac_lua=$1 cxx=$2 include=$3 library=$4 work=$5
mkdir -p "$work" && cd "$work" || exit 1
cat >names.lua <<'LUA'
local names = {}
for name in pairs(fltk) do
  if name:match("^FL_") then names[#names + 1] = name end
end
table.sort(names)
for _, name in ipairs(names) do print(name, fltk[name]) end
LUA
"$fluac_lua" names.lua >binding.txt || exit 1
{
    printf '#include <FL/Enumerations.H>\n#include <FL/Fl_Menu_Item.H>\n#include <FL/fl_ask.H>\n#include <FL/fl_draw.H>\n#include <cstdio>\nint main() {\n'
    awk '{ printf "    std::printf(\"%%s\\t%%lld\\n\", \"%s\", static_cast<long long>(%s));\n", $1, $1 }' binding.txt
    printf '}\n'
} >fltk.cpp
"$cxx" -I"$include" fltk.cpp "$library" -o fltk_numbers || exit 1
./fltk_numbers >fltk.txt || exit 1
if ! cmp -s binding.txt fltk.txt; then
    echo "numbers that differ from FLTK's (< fluac-lua, > FLTK):"
    diff binding.txt fltk.txt
    exit 1
fi
echo "$(wc -l <binding.txt) constants, each FLTK's own"
