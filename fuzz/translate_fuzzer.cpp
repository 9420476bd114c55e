// libFuzzer target: whole translations of arbitrary bytes, in the default
// and in the extended mode; inputs of odd length also without code. Each
// translation has a context of its own.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "translator/translate.h"

namespace {

void Translate(const std::uint8_t* data, std::size_t size, bool extended) {
    static FILE* sink = fopen("/dev/null", "w");
    // fmemopen wants at least one byte of buffer; an empty input is read from /dev/null.
    FILE* input = size ? fmemopen(const_cast<std::uint8_t*>(data), size, "r") : fopen("/dev/null", "r");
    if (!input) return;
    fluac::TranslateOptions options;
    options.extended = extended;
    options.layoutOnly = size % 2;
    std::vector<int> lines;  // the extended mode also maps script lines to input lines
    fluac::translate(input, sink, sink, "fuzz.fl", options, extended ? &lines : nullptr);
    fclose(input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Translate(data, size, false);
    Translate(data, size, true);
    return 0;
}
