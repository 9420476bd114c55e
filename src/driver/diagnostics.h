// Every message of fluac's own goes through here.
#pragma once

#include <cstdio>
#include <string_view>

// Writes "fluac: FILE: message" or, when line > 0, "fluac: FILE:LINE: message"
// to standard error.
void Report(std::string_view file, long line, std::string_view message);
void Report(std::string_view file, std::string_view message);
// Where messages go and the program they name; null is standard error.
void SetReportTarget(std::FILE* stream, const char* program);
