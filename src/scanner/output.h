// The one output stream, written by the scanner's copies and the parser's actions.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

extern FILE* gParserOutput;     // the Lua script being written
extern int gOutputErrno;        // errno of the first failed write to it, or 0

// Where written text goes. The specified translation only ever writes
// straight into the script; the extended and layout-only modes also turn
// text into Lua comment lines, escape it inside a Lua string, keep it for a
// later action, or drop it.
enum class Sink {
    Script,     // verbatim
    Comment,    // verbatim, every line begun with "--"
    LuaString,  // escaped for the inside of a double-quoted Lua string
    Capture,    // appended to gCaptured, nothing written
    Discard,    // nothing
};
extern Sink gSink;              // where text goes now
extern Sink gCallSink;          // where the actions' calls go: Script or Comment
extern std::string gCaptured;   // text taken by the Capture sink

// Writes text through the current sink.
void WriteText(std::string_view text);
// Writes a signed decimal integer.
void WriteNumber(long long n);

// The calls of the actions go to sink (Script or Comment) from now on.
void SetCallSink(Sink sink);
// A text value starts: it goes to sink, unless calls are being commented
// out, which keeps it a comment too (dropping and capturing still win).
void BeginTextSink(Sink sink);
// The text value ended: back to where calls go.
void EndTextSink();
// Whether the next byte written lands at the start of a line.
bool AtLineStart();
