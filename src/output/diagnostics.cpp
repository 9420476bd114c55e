#include "output/diagnostics.h"

#include <string>

void Report(const Messages& to, std::string_view file, long line, std::string_view message) {
    std::string text = to.program;
    text += ": ";
    text += file;
    if (line > 0) {
        text += ':';
        text += std::to_string(line);
    }
    text += ": ";
    text += message;
    text += '\n';
    std::fwrite(text.data(), 1, text.size(), to.stream);
}

void Report(const Messages& to, std::string_view file, std::string_view message) {
    Report(to, file, 0, message);
}

void Report(const Messages& to, std::string_view message) {
    std::string text(message);
    text += '\n';
    std::fwrite(text.data(), 1, text.size(), to.stream);
}
