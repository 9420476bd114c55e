# Puts the shared parts of the two grammars in place before bison runs.
#
#   cmake -DTEMPLATE=G.y -DTOKENS=tokens.inc.y -DRULES=attributes.inc.y
#         -DINTEGER=NUMBER -DOUTPUT=out.y -P splice_grammar.cmake
# writes G.y with @TOKENS@ and @ATTRIBUTE_RULES@ replaced by the two files,
# and @INTEGER@ in the rules by the grammar's integer symbol;
#   cmake -DTOKENS=tokens.inc.y -DOUTPUT=tokens.h -P splice_grammar.cmake
# writes the token codes as the C++ header the scanner includes.
cmake_minimum_required(VERSION 3.20)
file(READ ${TOKENS} TOKENS_TEXT)
if(DEFINED TEMPLATE)
  file(READ ${RULES} ATTRIBUTE_RULES)
  string(REPLACE "@INTEGER@" "${INTEGER}" ATTRIBUTE_RULES "${ATTRIBUTE_RULES}")
  file(READ ${TEMPLATE} text)
  string(REPLACE "@TOKENS@" "${TOKENS_TEXT}" text "${text}")
  string(REPLACE "@ATTRIBUTE_RULES@" "${ATTRIBUTE_RULES}" text "${text}")
else()
  string(REGEX MATCHALL "%token +[A-Z_]+ +[0-9]+" declarations "${TOKENS_TEXT}")
  set(text "// Generated from ${TOKENS}: the codes of the tokens the scanner returns.\n")
  string(APPEND text "#pragma once\n\nnamespace token {\nenum Code : int {\n")
  foreach(declaration ${declarations})
    string(REGEX REPLACE "%token +([A-Z_]+) +([0-9]+)" "    \\1 = \\2,\n" line "${declaration}")
    string(APPEND text "${line}")
  endforeach()
  string(APPEND text "};\n}  // namespace token\n")
endif()
file(WRITE ${OUTPUT} "${text}")
