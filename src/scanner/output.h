// The one output stream, written by the scanner's copies and the parser's actions.
#pragma once

#include <cstdio>
#include <string_view>

extern FILE* gParserOutput;     // the Lua script being written
extern int gOutputErrno;        // errno of the first failed write to it, or 0

// Writes text verbatim.
void WriteText(std::string_view text);
// Writes a signed decimal integer.
void WriteNumber(long long n);
