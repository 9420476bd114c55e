#include <cstdio>
#include <string>

#include "driver/diagnostics.h"

namespace {
std::FILE* gStream = nullptr;
const char* gProgram = "fluac";
}  // namespace

void SetReportTarget(std::FILE* stream, const char* program) {
    gStream = stream;
    gProgram = program;
}

void Report(std::string_view file, long line, std::string_view message) {
    std::string text = gProgram;
    text += ": ";
    text += file;
    if (line > 0) {
        text += ':';
        text += std::to_string(line);
    }
    text += ": ";
    text += message;
    text += '\n';
    fwrite(text.data(), 1, text.size(), gStream ? gStream : stderr);
}

void Report(std::string_view file, std::string_view message) {
    Report(file, 0, message);
}
