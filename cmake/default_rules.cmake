# Writes the default mode's scanner source: scanner.l without the extended
# mode's rules, which stand between the marker lines
#     /* The extended mode's own rules: from here ... */
#     /* ... to here (see CMakeLists.txt). */
#
#   cmake -DINPUT=scanner.l -DOUTPUT=default_rules.l -P default_rules.cmake
cmake_minimum_required(VERSION 3.20)
file(READ ${INPUT} text)
set(from "    /* The extended mode's own rules: from here ... */\n")
set(to "    /* ... to here (see CMakeLists.txt). */\n")
set(result "")
while(TRUE)
  string(FIND "${text}" "${from}" start)
  if(start EQUAL -1)
    break()
  endif()
  string(SUBSTRING "${text}" 0 ${start} before)
  string(APPEND result "${before}")
  string(SUBSTRING "${text}" ${start} -1 text)
  string(FIND "${text}" "${to}" end)
  if(end EQUAL -1)
    message(FATAL_ERROR "${INPUT}: an extended-mode region has no end")
  endif()
  string(LENGTH "${to}" length)
  math(EXPR end "${end} + ${length}")
  string(SUBSTRING "${text}" ${end} -1 text)
endwhile()
string(APPEND result "${text}")
file(WRITE ${OUTPUT} "${result}")
