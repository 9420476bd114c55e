// The parser's error hook: it prints nothing and only remembers the message,
// which the driver turns into its diagnostic once the parse has returned.
#include "translator/parser_support.h"

const char* gParseFailure = nullptr;

void yyerror(const char* message) {
    gParseFailure = message;
}

int extlex() {
    return yylex();
}

void exterror(const char* message) {
    yyerror(message);
}
