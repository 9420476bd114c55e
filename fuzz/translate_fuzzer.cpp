// libFuzzer target: one whole translation of arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "scanner/output.h"
#include "scanner/scanner.h"
#include "translator/parser_support.h"
#include "translator/state.h"

int yyparse();

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FILE* sink = fopen("/dev/null", "w");
    // fmemopen wants at least one byte of buffer; an empty input is read from /dev/null.
    FILE* input = size ? fmemopen(const_cast<std::uint8_t*>(data), size, "r") : fopen("/dev/null", "r");
    if (!input) return 0;

    ResetScanner();
    ResetTranslation();
    gParseFailure = nullptr;
    gOutputErrno = 0;
    yyin = input;
    gParserOutput = sink;

    yyparse();
    WriteText("Fl:run()\n");

    ResetScanner();  // releases the scanner's buffer before the next input
    fclose(input);
    return 0;
}
