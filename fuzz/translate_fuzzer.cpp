// libFuzzer target: whole translations of arbitrary bytes, in the default
// and in the extended mode; inputs of odd length also without code.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "scanner/output.h"
#include "scanner/scanner.h"
#include "translator/parser_support.h"
#include "translator/state.h"

int yyparse();
int extparse();

namespace {

void Translate(const std::uint8_t* data, std::size_t size, bool extended) {
    static FILE* sink = fopen("/dev/null", "w");
    // fmemopen wants at least one byte of buffer; an empty input is read from /dev/null.
    FILE* input = size ? fmemopen(const_cast<std::uint8_t*>(data), size, "r") : fopen("/dev/null", "r");
    if (!input) return;

    ResetScanner();
    ResetTranslation();
    gParseFailure = nullptr;
    gOutputErrno = 0;
    gExtendedKeywords = extended;
    gLayoutOnly = size % 2;
    yyin = input;
    gParserOutput = sink;

    if (extended)
        extparse();
    else
        yyparse();
    SetCallSink(Sink::Script);
    CloseDivert();
    WriteText("Fl:run()\n");
    FlushOutput();

    ResetScanner();  // releases the scanner's buffer before the next input
    fclose(input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Translate(data, size, false);
    Translate(data, size, true);
    return 0;
}
