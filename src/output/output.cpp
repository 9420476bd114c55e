// Writes to the output script.
#include "output/output.h"

#include <algorithm>
#include <cerrno>
#include <charconv>

void Output::Put(const char* data, std::size_t size) {
    if (size == 0) return;
    if (std::fwrite(data, 1, size, stream_) != size && errno_ == 0) errno_ = errno ? errno : EIO;
    handedAtLineStart_ = data[size - 1] == '\n';
}

// A line of the script takes the input's line at its first byte, or, in
// diverted text written back whole, the line it had when first written.
void Output::NoteLines(std::string_view text) {
    for (char c : text) {
        if (!lineBegun_) {
            lineBegun_ = true;
            lineBegan_ = replaying_ && replayed_ < divertedLines_.size() ? divertedLines_[replayed_++]
                                                                         : static_cast<int>(*inputLine_);
        }
        if (c != '\n') continue;
        lines_->push_back(lineBegan_);
        lineBegun_ = false;
    }
}

void Output::WriteRaw(std::string_view text) {
    if (lines_) NoteLines(text);
    if (text.size() > kCapacity - used_) {
        Flush();
        if (text.size() >= kCapacity) {
            if (!diverting_) return Put(text.data(), text.size());
            diverted_.append(text);
            return;
        }
    }
    std::memcpy(pending_ + used_, text.data(), text.size());
    used_ += text.size();
}

// Every line gets "--" in front, unless it is a line comment already. A
// line that would then read "--[" gets a space, so that no long comment
// ("--[[") ever starts.
void Output::WriteCommented(std::string_view text) {
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

// Escapes what FLTK's add reads as path syntax, then writes the text
// verbatim or escaped for Lua. In Lua source a backslash for add is written
// as "\\\\"; in verbatim text the file's backslashes are Lua's already.
void Output::WriteMenuLabel(std::string_view text, bool luaString) {
    auto write = [this, luaString](std::string_view part) {
        if (luaString) WriteEscaped(part); else WriteRaw(part);
    };
    size_t plain = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        bool special = c == '/' || (c == '_' && atLabelStart_ && i == 0) || (c == '\\' && luaString);
        if (i == 0) atLabelStart_ = false;
        if (!special) continue;
        write(text.substr(plain, i - plain));
        WriteRaw("\\\\");
        plain = i;
    }
    write(text.substr(plain));
}

void Output::WriteEscaped(std::string_view text) {
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

void Output::WriteToSink(std::string_view text) {
    switch (sink_) {
        case Sink::Script: WriteRaw(text); break;
        case Sink::Comment: WriteCommented(text); break;
        case Sink::LuaString: WriteEscaped(text); break;
        case Sink::Capture: captured += text; break;
        case Sink::Discard: break;
        case Sink::MenuLabel: WriteMenuLabel(text, false); break;
        case Sink::MenuLabelString: WriteMenuLabel(text, true); break;
    }
}

void Output::Flush() {
    if (diverting_) {
        Put(pending_, divertStart_);
        diverted_.append(pending_ + divertStart_, used_ - divertStart_);
        divertStart_ = 0;
    } else {
        Put(pending_, used_);
    }
    used_ = 0;
}

void Output::BeginDivert() {
    diverting_ = true;
    divertStart_ = used_;
    diverted_.clear();
    if (lines_) divertLinesFrom_ = lines_->size();
}

void Output::CloseDivert() {
    if (diverting_) WriteDiverted(EndDivert());
}

std::string Output::EndDivert() {
    diverted_.append(pending_ + divertStart_, used_ - divertStart_);
    used_ = divertStart_;
    diverting_ = false;
    if (lines_) {
        const auto from = lines_->begin() + static_cast<std::ptrdiff_t>(divertLinesFrom_);
        divertedLines_.insert(divertedLines_.end(), from, lines_->end());
        lines_->erase(from, lines_->end());
    }
    return std::move(diverted_);
}

void Output::WriteDiverted(std::string_view text) {
    replaying_ = !lineBegun_ && !text.empty() && text.back() == '\n' &&
                 static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) == divertedLines_.size();
    WriteText(text);
    replaying_ = false;
    replayed_ = 0;
    divertedLines_.clear();
}

void Output::WriteNumber(long long n) {
    char digits[24];
    auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    WriteText(std::string_view(digits, static_cast<size_t>(end - digits)));
}

void Output::SetSink(Sink sink) {
    sink_ = sink;
    direct_ = sink == Sink::Script && !lines_;
}

void Output::SetCallSink(Sink sink) {
    callSink_ = sink;
    SetSink(sink);
}

void Output::BeginTextSink(Sink sink) {
    atLabelStart_ = sink == Sink::MenuLabel || sink == Sink::MenuLabelString;
    bool keepsComment = callSink_ == Sink::Comment && sink != Sink::Discard && sink != Sink::Capture;
    SetSink(keepsComment ? Sink::Comment : sink);
}

void Output::EndTextSink() {
    SetSink(callSink_);
}

bool Output::AtLineStart() const {
    if (diverting_ && used_ == divertStart_) return diverted_.empty() || diverted_.back() == '\n';
    return used_ ? pending_[used_ - 1] == '\n' : handedAtLineStart_;
}

void Output::RecordLines(std::vector<int>* lines, const long* inputLine) {
    lines_ = lines;
    inputLine_ = inputLine;
    SetSink(sink_);
}
