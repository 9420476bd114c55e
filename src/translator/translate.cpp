// One translation: a context, one parse, the end of the script.
#include "translator/translate.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "output/diagnostics.h"
#include "translator/context.h"
#include "translator/parser_support.h"

namespace fluac {

namespace {

// The line on which the parse stopped: that of the token fetched last. A
// newline that ends a one-word value has already been counted.
long StopLine(const Scanner& scanner) {
    long line = scanner.line;
    if (scanner.leng > 0 && scanner.text[scanner.leng - 1] == '\n') --line;
    return line;
}

std::string ParseFailureMessage(int result, const char* failure) {
    if (result == 2)
        return "the input nests or repeats too deeply for the parse stack (" + std::string(failure) +
               "); the Lua script is incomplete";
    return std::string(failure) + "; the Lua script is incomplete";
}

// Everything a string stream collected, once it is closed.
std::string Collected(std::FILE* stream, char*& buffer, std::size_t& size) {
    std::fclose(stream);
    std::string text(buffer ? buffer : "", size);
    std::free(buffer);
    return text;
}

}  // namespace

int translate(std::FILE* in, std::FILE* out, std::FILE* messages, const char* fileName,
              const TranslateOptions& options, std::vector<int>* sourceLines) {
    const Messages to{messages, options.program};
    auto ctx = std::make_unique<Context>(in, out, Mode{options.extended, options.layoutOnly, options.lineByLine});
    if (sourceLines) {
        sourceLines->clear();
        ctx->out.RecordLines(sourceLines, &ctx->scanner.line);
    }
    try {
        int result = options.extended ? extparse(*ctx) : yyparse(*ctx);
        if (result != 0 && ctx->parseFailure)
            Report(to, fileName, StopLine(ctx->scanner), ParseFailureMessage(result, ctx->parseFailure));
    } catch (const ScannerFailure& failure) {
        ctx->out.Flush();  // what was written belongs in the script
        Report(to, failure.message);
        return 2;
    }
    ctx->out.SetCallSink(Sink::Script);  // the input may have ended inside a comment or a dropped value
    ctx->out.CloseDivert();
    ctx->out.WriteText("Fl:run()\n");
    ctx->out.Flush();
    // A failed write may surface in any write or in the final flush.
    int writeErrno = ctx->out.Errno();
    if (std::fflush(out) != 0 && writeErrno == 0) writeErrno = errno;
    if (writeErrno != 0) {
        Report(to, options.outputName ? options.outputName : "<output>", std::strerror(writeErrno));
        return 2;
    }
    return 0;
}

Translation translate_text(std::string_view text, const char* fileName, const TranslateOptions& options) {
    Translation result;
    // fmemopen wants at least one byte; an empty text is read from /dev/null.
    std::FILE* in = text.empty() ? std::fopen("/dev/null", "r")
                                 : fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    char* script = nullptr;
    char* messages = nullptr;
    std::size_t scriptSize = 0, messagesSize = 0;
    std::FILE* out = open_memstream(&script, &scriptSize);
    std::FILE* err = open_memstream(&messages, &messagesSize);
    if (!in || !out || !err) {  // no memory for the streams
        result.status = 2;
        if (err) Report(Messages{err, options.program}, fileName, std::strerror(errno));
    } else {
        result.status = translate(in, out, err, fileName, options, &result.sourceLines);
    }
    if (in) std::fclose(in);
    if (out) result.script = Collected(out, script, scriptSize);
    if (err) result.messages = Collected(err, messages, messagesSize);
    return result;
}

}  // namespace fluac
