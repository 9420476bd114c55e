// The one output stream, written by the scanner's copies and the parser's actions.
//
// What goes into the script collects in a buffer of our own and reaches
// gParserOutput in large blocks: a stdio call per lexeme (each taking the
// stream's lock) used to cost a third of the run time. Whoever reads or
// closes the stream calls FlushOutput first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

extern FILE* gParserOutput;     // the Lua script being written
extern int gOutputErrno;        // errno of the first failed write to it, or 0
// While not null, each line of the script appends to it the value *gSourceLine
// had when the line was begun.
extern std::vector<int>* gSourceLines;
extern const int* gSourceLine;
// Puts the output state back to its start, before a translation.
void ResetOutput();

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
    // A menu entry's label inside a path for FLTK's add: "/", a leading "_"
    // and (when escaped for Lua too) "\\" are escaped for add, so that they
    // stay in the label.
    MenuLabel,         // then verbatim
    MenuLabelString,   // then as LuaString
};
extern Sink gSink;              // where text goes now
extern Sink gCallSink;          // where the actions' calls go: Script or Comment
extern std::string gCaptured;   // text taken by the Capture sink

namespace output_detail {
inline constexpr std::size_t kCapacity = std::size_t{1} << 16;
inline constexpr std::size_t kShort = 256;  // copied inline; longer texts take a call
extern char pending[kCapacity];
extern std::size_t used;
void WriteLong(std::string_view text);     // into the script
void WriteToSink(std::string_view text);   // through any sink but Script
}  // namespace output_detail

// Writes text through the current sink.
inline void WriteText(std::string_view text) {
    using namespace output_detail;
    if (gSink != Sink::Script || gSourceLines) return WriteToSink(text);
    const std::size_t n = text.size();
    if (n > kShort || used > kCapacity - kShort) return WriteLong(text);
    char* to = pending + used;
    const char* from = text.data();
    used += n;
    // Most lexemes are a few bytes long; copy those without a library call,
    // with two overlapping 4-byte moves or three single bytes.
    if (n >= 4 && n <= 8) {
        std::uint32_t head, tail;
        std::memcpy(&head, from, 4);
        std::memcpy(&tail, from + n - 4, 4);
        std::memcpy(to, &head, 4);
        std::memcpy(to + n - 4, &tail, 4);
    } else if (n < 4) {
        if (n == 0) return;
        to[0] = from[0];
        to[n / 2] = from[n / 2];
        to[n - 1] = from[n - 1];
    } else {
        std::memcpy(to, from, n);
    }
}

inline void WriteChar(char c) {
    using namespace output_detail;
    if (gSink != Sink::Script || used == kCapacity || gSourceLines) return WriteText(std::string_view(&c, 1));
    pending[used++] = c;
}

// Writes a signed decimal integer.
void WriteNumber(long long n);

// Hands everything written to the script so far to gParserOutput (to its own
// buffer: an fflush is still needed to reach the file). A failure is kept in
// gOutputErrno.
void FlushOutput();

// The calls of the actions go to sink (Script or Comment) from now on.
void SetCallSink(Sink sink);
// A text value starts: it goes to sink, unless calls are being commented
// out, which keeps it a comment too (dropping and capturing still win).
void BeginTextSink(Sink sink);
// The text value ended: back to where calls go.
void EndTextSink();
// Whether the next byte written lands at the start of a line.
bool AtLineStart();

// From BeginDivert to EndDivert, what is written to the script is kept
// aside instead (for a later place in the script); EndDivert returns it.
// Diversions do not nest.
void BeginDivert();
std::string EndDivert();
// Ends a diversion left open (by input that ended inside it), keeping its
// text where it was written.
void CloseDivert();
