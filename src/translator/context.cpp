// Where the generated parsers meet the scanner and the context.
#include "translator/context.h"

#include "translator/parser_support.h"

int NextToken(Context& ctx) {
    return ctx.scanner.Next();
}

void ParseFailed(Context& ctx, const char* message) {
    ctx.parseFailure = message;
}
