// Writes to the output script.
#include <algorithm>
#include <cerrno>
#include <charconv>

#include "scanner/output.h"

FILE* gParserOutput = nullptr;
int gOutputErrno = 0;
Sink gSink = Sink::Script;
Sink gCallSink = Sink::Script;
std::string gCaptured;
std::vector<int>* gSourceLines = nullptr;
const int* gSourceLine = nullptr;

namespace output_detail {
char pending[kCapacity];
std::size_t used = 0;
}  // namespace output_detail

using namespace output_detail;

namespace {

bool handedAtLineStart = true;  // the last byte handed to the stream was a newline

// A diversion: what is written from pending[divertStart] on belongs to it,
// and what overflowed the buffer meanwhile is in diverted.
bool diverting = false;
std::size_t divertStart = 0;
std::string diverted;

// A menu label's first byte is still to come (a leading "_" means a divider to add).
bool atLabelStart = false;

// The source lines of diverted text, for when it is written again.
std::size_t divertLines = 0;
std::vector<int> replay;

bool lineBegun = false;  // a byte of the script's current line has been written
int lineBegan = 0;       // the input's line then

void NoteNewlines(std::string_view text) {
    // Diverted text comes back in one write (changed within its lines at
    // most): a write of whole lines, as many as it had, takes their lines.
    const bool replaying = !lineBegun && !replay.empty() && !text.empty() && text.back() == '\n' &&
                           static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) == replay.size();
    std::size_t next = 0;
    for (char c : text) {
        if (!lineBegun) {
            lineBegun = true;
            lineBegan = replaying ? replay[next++] : *gSourceLine;
        }
        if (c != '\n') continue;
        gSourceLines->push_back(lineBegan);
        lineBegun = false;
    }
    if (replaying) replay.clear();
}

void Put(const char* data, std::size_t size) {
    if (size == 0) return;
    if (fwrite(data, 1, size, gParserOutput) != size && gOutputErrno == 0)
        gOutputErrno = errno ? errno : EIO;
    handedAtLineStart = data[size - 1] == '\n';
}

void WriteRaw(std::string_view text) {
    if (gSourceLines) NoteNewlines(text);
    if (text.size() > kCapacity - used) {
        FlushOutput();
        if (text.size() >= kCapacity) {
            if (!diverting) return Put(text.data(), text.size());
            diverted.append(text);
            return;
        }
    }
    std::memcpy(pending + used, text.data(), text.size());
    used += text.size();
}

// Every line gets "--" in front, unless it is a line comment already. A
// line that would then read "--[" gets a space, so that no long comment
// ("--[[") ever starts.
void WriteCommented(std::string_view text) {
    while (!text.empty()) {
        size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline == std::string_view::npos ? text.size() : newline + 1);
        if (AtLineStart() && line != "\n") {
            bool isComment = line.substr(0, 2) == "--" && line.substr(0, 3) != "--[";
            if (!isComment) WriteRaw(line.front() == '[' ? "-- " : "--");
        }
        WriteRaw(line);
        text.remove_prefix(line.size());
    }
}

void WriteEscaped(std::string_view text);

// Escapes what FLTK's add reads as path syntax, then writes the text
// verbatim or escaped for Lua. In Lua source a backslash for add is written
// as "\\\\"; in verbatim text the file's backslashes are Lua's already.
void WriteMenuLabel(std::string_view text, bool luaString) {
    auto write = [luaString](std::string_view part) {
        if (luaString) WriteEscaped(part); else WriteRaw(part);
    };
    size_t plain = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        bool special = c == '/' || (c == '_' && atLabelStart && i == 0) || (c == '\\' && luaString);
        if (i == 0) atLabelStart = false;
        if (!special) continue;
        write(text.substr(plain, i - plain));
        WriteRaw("\\\\");
        plain = i;
    }
    write(text.substr(plain));
}

void WriteEscaped(std::string_view text) {
    size_t plain = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\' && c != 0x7f) continue;
        WriteRaw(text.substr(plain, i - plain));
        plain = i + 1;
        switch (c) {
            case '"': WriteRaw("\\\""); break;
            case '\\': WriteRaw("\\\\"); break;
            case '\n': WriteRaw("\\n"); break;
            case '\r': WriteRaw("\\r"); break;
            case '\t': WriteRaw("\\t"); break;
            default: {
                char code[5] = {'\\', static_cast<char>('0' + c / 100), static_cast<char>('0' + c / 10 % 10),
                                static_cast<char>('0' + c % 10), '\0'};
                WriteRaw(code);
            }
        }
    }
    WriteRaw(text.substr(plain));
}

}  // namespace

void output_detail::WriteLong(std::string_view text) {
    WriteRaw(text);
}

void output_detail::WriteToSink(std::string_view text) {
    switch (gSink) {
        case Sink::Script: WriteRaw(text); break;
        case Sink::Comment: WriteCommented(text); break;
        case Sink::LuaString: WriteEscaped(text); break;
        case Sink::Capture: gCaptured += text; break;
        case Sink::Discard: break;
        case Sink::MenuLabel: WriteMenuLabel(text, false); break;
        case Sink::MenuLabelString: WriteMenuLabel(text, true); break;
    }
}

void FlushOutput() {
    if (diverting) {
        Put(pending, divertStart);
        diverted.append(pending + divertStart, used - divertStart);
        divertStart = 0;
    } else {
        Put(pending, used);
    }
    used = 0;
}

void BeginDivert() {
    diverting = true;
    divertStart = used;
    diverted.clear();
    if (gSourceLines) divertLines = gSourceLines->size();
}

void CloseDivert() {
    if (diverting) WriteText(EndDivert());
}

std::string EndDivert() {
    diverted.append(pending + divertStart, used - divertStart);
    used = divertStart;
    diverting = false;
    if (gSourceLines) {
        replay.insert(replay.end(), gSourceLines->begin() + static_cast<std::ptrdiff_t>(divertLines), gSourceLines->end());
        gSourceLines->resize(divertLines);
    }
    return std::move(diverted);
}

void WriteNumber(long long n) {
    char digits[24];
    auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    WriteText(std::string_view(digits, static_cast<size_t>(end - digits)));
}

void SetCallSink(Sink sink) {
    gCallSink = sink;
    gSink = sink;
}

void BeginTextSink(Sink sink) {
    atLabelStart = sink == Sink::MenuLabel || sink == Sink::MenuLabelString;
    bool keepsComment = gCallSink == Sink::Comment && sink != Sink::Discard && sink != Sink::Capture;
    gSink = keepsComment ? Sink::Comment : sink;
}

void EndTextSink() {
    gSink = gCallSink;
}

bool AtLineStart() {
    if (diverting && used == divertStart) return diverted.empty() || diverted.back() == '\n';
    return used ? pending[used - 1] == '\n' : handedAtLineStart;
}

void ResetOutput() {
    used = 0;
    gOutputErrno = 0;
    handedAtLineStart = true;
    diverting = false;
    divertStart = 0;
    diverted.clear();
    atLabelStart = false;
    replay.clear();
    lineBegun = false;
    SetCallSink(Sink::Script);
    gCaptured.clear();
}
