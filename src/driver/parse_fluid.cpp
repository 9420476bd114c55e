// The translation run: open the streams, parse once, close the script.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "driver/diagnostics.h"
#include "driver/parse_fluid.h"
#include "scanner/output.h"
#include "scanner/scanner.h"
#include "translator/parser_support.h"

int yyparse();
int extparse();

namespace {

constexpr size_t kOutputBufferSize = 1 << 16;

// Whether the open input and the output path name the same file. Compared by
// device and inode, so links and other spellings of the path are caught.
bool IsSameFile(FILE* input, const char* outputPath) {
    struct stat in, out;
    if (fstat(fileno(input), &in) != 0 || stat(outputPath, &out) != 0) return false;
    return S_ISREG(in.st_mode) && in.st_dev == out.st_dev && in.st_ino == out.st_ino;
}

// The line on which the parse stopped: that of the token fetched last. A
// newline that ends a one-word value has already been counted.
long StopLine() {
    long line = yylineno;
    if (yyleng > 0 && yytext[yyleng - 1] == '\n') --line;
    return line;
}

std::string ParseFailureMessage(int result) {
    if (result == 2)
        return "the input nests or repeats too deeply for the parse stack (" + std::string(gParseFailure) +
               "); the Lua script is incomplete";
    return std::string(gParseFailure) + "; the Lua script is incomplete";
}

}  // namespace

int vemt_ParseFluid(const char* inputPath, const char* outputPath) {
    std::string inputName = inputPath;
    FILE* input = nullptr;
    if (std::strcmp(inputPath, "-") != 0) {
        input = fopen(inputPath, "r");
        if (!input) {
            Report(inputPath, std::string(strerror(errno)) + "; reading standard input");
        }
    }
    if (!input) inputName = "<stdin>";

    if (IsSameFile(input ? input : stdin, outputPath)) {
        Report(outputPath, "is the input file; not overwriting it");
        return 2;
    }
    yyin = input;  // the scanner reads standard input when this is unset

    gParserOutput = fopen(outputPath, "w");
    if (!gParserOutput) {
        Report(outputPath, strerror(errno));
        return 2;
    }
    setvbuf(gParserOutput, nullptr, _IOFBF, kOutputBufferSize);

    int result = gExtendedKeywords ? extparse() : yyparse();
    if (result != 0 && gParseFailure) Report(inputName, StopLine(), ParseFailureMessage(result));

    SetCallSink(Sink::Script);  // the input may have ended inside a comment or a dropped value
    CloseDivert();
    WriteText("Fl:run()\n");
    FlushOutput();
    // A failed write may surface in any write, in the final flush or in the close.
    int writeErrno = gOutputErrno;
    if (fflush(gParserOutput) != 0 && writeErrno == 0) writeErrno = errno;
    if (fclose(gParserOutput) != 0 && writeErrno == 0) writeErrno = errno;
    gParserOutput = nullptr;
    if (writeErrno != 0) {
        Report(outputPath, strerror(writeErrno));
        return 2;
    }
    return 0;
}
