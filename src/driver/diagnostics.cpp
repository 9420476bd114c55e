#include <cstdio>
#include <string>

#include "driver/diagnostics.h"

void Report(std::string_view file, long line, std::string_view message) {
    std::string text = "fluac: ";
    text += file;
    if (line > 0) {
        text += ':';
        text += std::to_string(line);
    }
    text += ": ";
    text += message;
    text += '\n';
    fwrite(text.data(), 1, text.size(), stderr);
}

void Report(std::string_view file, std::string_view message) {
    Report(file, 0, message);
}
