// A whole translation over the translator's globals: each call puts them
// back to their start first, so that one process may translate many times.
#include "translator/translate.h"

#include <cerrno>
#include <cstring>

#include "driver/diagnostics.h"
#include "scanner/output.h"
#include "scanner/scanner.h"
#include "translator/parser_support.h"
#include "translator/state.h"

int yyparse();
int extparse();

namespace fluac {

namespace {

// The line on which the parse stopped: that of the token fetched last. A
// newline that ends a one-word value has already been counted.
long StopLine() {
    long line = yylineno;
    if (yyleng > 0 && yytext[yyleng - 1] == '\n') --line;
    return line;
}

}  // namespace

int translate(std::FILE* in, std::FILE* out, std::FILE* messages, const char* fileName,
              const TranslateOptions& options, std::vector<int>* sourceLines) {
    ResetScanner();
    ResetTranslation();
    ResetOutput();
    gParseFailure = nullptr;
    gExtendedKeywords = options.extended;
    gLayoutOnly = options.layoutOnly;
    SetReportTarget(messages, options.program);
    if (sourceLines) sourceLines->clear();
    gSourceLines = sourceLines;
    gSourceLine = &yylineno;
    yyin = in;
    gParserOutput = out;

    const int result = options.extended ? extparse() : yyparse();
    if (result != 0 && gParseFailure) {
        std::string message = gParseFailure;
        if (result == 2) message = "the input nests or repeats too deeply for the parse stack (" + message + ")";
        Report(fileName, StopLine(), message + "; the Lua script is incomplete");
    }
    SetCallSink(Sink::Script);  // the input may have ended inside a comment or a dropped value
    CloseDivert();
    WriteText("Fl:run()\n");
    FlushOutput();
    int writeErrno = gOutputErrno;
    if (std::fflush(out) != 0 && writeErrno == 0) writeErrno = errno;

    ResetScanner();  // releases the scanner's buffer
    gSourceLines = nullptr;
    gParserOutput = nullptr;
    yyin = nullptr;
    if (writeErrno != 0) Report(fileName, std::string("the Lua script could not be written: ") + strerror(writeErrno));
    SetReportTarget(nullptr, "fluac");
    return writeErrno != 0 ? 2 : 0;
}

Translation translate_text(std::string_view text, const char* fileName, const TranslateOptions& options) {
    Translation t;
    char* script = nullptr;
    char* messages = nullptr;
    std::size_t scriptSize = 0, messagesSize = 0;
    // fmemopen wants at least one byte; an empty text is read from /dev/null.
    std::FILE* in = text.empty() ? std::fopen("/dev/null", "r")
                                 : fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    std::FILE* out = open_memstream(&script, &scriptSize);
    std::FILE* err = open_memstream(&messages, &messagesSize);
    if (in && out && err) {
        t.status = translate(in, out, err, fileName, options, &t.sourceLines);
    } else {
        t.status = 2;
        t.messages = std::string(options.program) + ": " + fileName + ": " + strerror(errno) + "\n";
    }
    if (in) std::fclose(in);
    if (out) std::fclose(out);
    if (err) std::fclose(err);
    if (script) t.script.assign(script, scriptSize);
    if (messages) t.messages += std::string(messages, messagesSize);
    std::free(script);
    std::free(messages);
    return t;
}

}  // namespace fluac
