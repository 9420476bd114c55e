// Every message of the translator's own goes through here.
#pragma once

#include <cstdio>
#include <string_view>

// Where messages go, and the program name they start with.
struct Messages {
    std::FILE* stream = stderr;
    const char* program = "fluac";
};

// Writes "PROGRAM: FILE: message" or, when line > 0, "PROGRAM: FILE:LINE: message".
void Report(const Messages& to, std::string_view file, long line, std::string_view message);
void Report(const Messages& to, std::string_view file, std::string_view message);
// Writes the message alone: the scanner's fatal errors, worded as flex words them.
void Report(const Messages& to, std::string_view message);
