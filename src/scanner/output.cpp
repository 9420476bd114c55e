// Writes to the output script.
#include <cerrno>
#include <charconv>

#include "scanner/output.h"

FILE* gParserOutput = nullptr;
int gOutputErrno = 0;

void WriteText(std::string_view text) {
    if (fwrite(text.data(), 1, text.size(), gParserOutput) != text.size() && gOutputErrno == 0)
        gOutputErrno = errno ? errno : EIO;
}

void WriteNumber(long long n) {
    char digits[24];
    auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    WriteText(std::string_view(digits, static_cast<size_t>(end - digits)));
}
