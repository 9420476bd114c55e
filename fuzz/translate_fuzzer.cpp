// libFuzzer target: whole translations of arbitrary bytes, in the default
// and in the extended mode; inputs of odd length also without code. Each
// translation has a context of its own, and is made twice, by the scanner for
// files and by the one for a terminal, which must agree byte for byte.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "translator/translate.h"

namespace {

// The script, the messages and the status, one after the other.
std::string Translate(const std::uint8_t* data, std::size_t size, bool extended, bool lineByLine) {
    // fmemopen wants at least one byte of buffer; an empty input is read from /dev/null.
    FILE* input = size ? fmemopen(const_cast<std::uint8_t*>(data), size, "r") : fopen("/dev/null", "r");
    if (!input) return "";
    char* buffer = nullptr;
    std::size_t length = 0;
    FILE* out = open_memstream(&buffer, &length);
    fluac::TranslateOptions options;
    options.extended = extended;
    options.layoutOnly = size % 2;
    options.lineByLine = lineByLine;
    std::vector<int> lines;  // the extended mode also maps script lines to input lines
    int status = fluac::translate(input, out, out, "fuzz.fl", options, extended ? &lines : nullptr);
    fclose(out);
    fclose(input);
    std::string result(buffer, length);
    free(buffer);
    return result + std::to_string(status);
}

void TranslateTwice(const std::uint8_t* data, std::size_t size, bool extended) {
    if (Translate(data, size, extended, false) != Translate(data, size, extended, true)) {
        std::fprintf(stderr, "the two scanners differ (%s mode)\n", extended ? "extended" : "default");
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TranslateTwice(data, size, false);
    TranslateTwice(data, size, true);
    return 0;
}
