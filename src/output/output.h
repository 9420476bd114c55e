// The output of one translation, written by the scanner's copies and the
// parser's actions.
//
// What goes into the script collects in a buffer of our own and reaches the
// stream in large blocks: a stdio call per lexeme (each taking the stream's
// lock) used to cost a third of the run time. Whoever reads or closes the
// stream calls Flush first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

// Where written text goes. The default translation only ever writes
// straight into the script; the extended and layout-only modes also turn
// text into Lua comment lines, escape it inside a Lua string, keep it for a
// later action, or drop it.
enum class Sink {
    Script,     // verbatim
    Comment,    // verbatim, every line begun with "--"
    LuaString,  // escaped for the inside of a double-quoted Lua string
    Capture,    // appended to captured, nothing written
    Discard,    // nothing
    // A menu entry's label inside a path for FLTK's add: "/", a leading "_"
    // and (when escaped for Lua too) "\\" are escaped for add, so that they
    // stay in the label.
    MenuLabel,         // then verbatim
    MenuLabelString,   // then as LuaString
};

class Output {
public:
    static constexpr std::size_t kCapacity = std::size_t{1} << 16;
    static constexpr std::size_t kShort = 256;  // copied inline; longer texts take a call

    explicit Output(std::FILE* stream) : stream_(stream) {}
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    // Writes text through the current sink.
    void WriteText(std::string_view text) {
        if (!direct_) return WriteToSink(text);
        const std::size_t n = text.size();
        if (n > kShort || used_ > kCapacity - kShort) return WriteRaw(text);
        char* to = pending_ + used_;
        const char* from = text.data();
        used_ += n;
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

    void WriteChar(char c) {
        if (!direct_ || used_ == kCapacity) return WriteText(std::string_view(&c, 1));
        pending_[used_++] = c;
    }

    // Writes a signed decimal integer.
    void WriteNumber(long long n);

    // Hands everything written to the script so far to the stream (to its
    // own buffer: an fflush is still needed to reach the file). A failure is
    // kept in Errno.
    void Flush();
    // errno of the first failed write to the stream, or 0.
    int Errno() const { return errno_; }

    // The calls of the actions go to sink (Script or Comment) from now on.
    void SetCallSink(Sink sink);
    // A text value starts: it goes to sink, unless calls are being commented
    // out, which keeps it a comment too (dropping and capturing still win).
    void BeginTextSink(Sink sink);
    // The text value ended: back to where calls go.
    void EndTextSink();
    // Whether the next byte written lands at the start of a line.
    bool AtLineStart() const;
    // Text taken by the Capture sink.
    std::string captured;

    // From BeginDivert to EndDivert, what is written to the script is kept
    // aside instead (for a later place in the script); EndDivert returns it.
    // Diversions do not nest.
    void BeginDivert();
    std::string EndDivert();
    // Writes back what the diversions since the last such write kept aside
    // (joined, changed within its lines at most): recorded lines then keep
    // the input lines the text was first written at.
    void WriteDiverted(std::string_view text);
    // Ends a diversion left open (by input that ended inside it), keeping its
    // text where it was written.
    void CloseDivert();

    // From now on, each line of the script appends to lines the value
    // *inputLine had when the line's first byte was written.
    void RecordLines(std::vector<int>* lines, const long* inputLine);

private:
    void WriteRaw(std::string_view text);
    void NoteLines(std::string_view text);
    void WriteToSink(std::string_view text);
    void WriteCommented(std::string_view text);
    void WriteEscaped(std::string_view text);
    void WriteMenuLabel(std::string_view text, bool luaString);
    void Put(const char* data, std::size_t size);
    void SetSink(Sink sink);

    std::FILE* stream_;
    int errno_ = 0;
    Sink sink_ = Sink::Script;
    Sink callSink_ = Sink::Script;
    bool direct_ = true;  // text goes verbatim into pending_, no lines recorded
    bool handedAtLineStart_ = true;  // the last byte handed to the stream was a newline
    // A diversion: what is written from pending_[divertStart_] on belongs to
    // it, and what overflowed the buffer meanwhile is in diverted_.
    bool diverting_ = false;
    std::size_t divertStart_ = 0;
    std::string diverted_;
    // A menu label's first byte is still to come (a leading "_" means a divider to add).
    bool atLabelStart_ = false;
    std::vector<int>* lines_ = nullptr;
    const long* inputLine_ = nullptr;
    bool lineBegun_ = false;  // a byte of the script's current line has been written
    int lineBegan_ = 0;       // *inputLine_ then
    // The lines of diverted text, taken out of lines_ until WriteDiverted.
    std::size_t divertLinesFrom_ = 0;
    std::vector<int> divertedLines_;
    bool replaying_ = false;
    std::size_t replayed_ = 0;
    std::size_t used_ = 0;
    char pending_[kCapacity];
};
