// Rule actions: what each lexeme does in and out of text mode.
#include <cstring>

#include "scanner/output.h"
#include "scanner/scanner.h"
#include "translator/grammar.hpp"

int pureText = 0;
long long brackLevel = 0;
long long brackStart = 0;
int breakOnWhiteSpace = 0;

// A lexeme is written as a C string: a NUL byte ends what is written of it.
void WriteLexeme() {
    const void* nul = std::memchr(yytext, '\0', static_cast<size_t>(yyleng));
    size_t length = nul ? static_cast<size_t>(static_cast<const char*>(nul) - yytext)
                        : static_cast<size_t>(yyleng);
    WriteText(std::string_view(yytext, length));
}

static int CopiedText() {
    WriteLexeme();
    return TEXT;
}

// keywords, words, numbers, parentheses and the whole-line forms
int PlainToken(int token) {
    return pureText ? CopiedText() : token;
}

// "image {", "code0 {" .. "code3 {", "label {", "tooltip {", "user_data {", "callback {"
int BeginBracedValue(int token) {
    if (pureText) return CopiedText();
    pureText = 1;
    brackStart = brackLevel - 1;
    return token;
}

// "code0 " .. "code3 ", "label ", "tooltip ", "user_data ", "callback "
int BeginWordValue(int token) {
    if (pureText) return CopiedText();
    breakOnWhiteSpace = 1;
    pureText = 1;
    return token;
}

// "code"
int BeginCodeValue(int token) {
    if (pureText) return CopiedText();
    pureText = 1;
    brackStart = brackLevel;
    return token;
}

// "{"
int ScanOpenBrace() {
    brackLevel += 1;
    if (pureText && brackLevel > brackStart + 1) return CopiedText();
    return LBRACE;
}

// "}"
int ScanCloseBrace() {
    brackLevel -= 1;
    if (pureText && brackLevel == brackStart) pureText = 0;
    return pureText ? CopiedText() : RBRACE;
}

// The space or newline that ends a one-word value comes back as its RBRACE.
static int EndWordValue() {
    pureText = 0;
    breakOnWhiteSpace = 0;
    return RBRACE;
}

// newline
int ScanNewline() {
    if (breakOnWhiteSpace) return EndWordValue();
    return pureText ? CopiedText() : 0;
}

// space
int ScanSpace() {
    if (breakOnWhiteSpace) return EndWordValue();
    if (pureText && brackLevel >= brackStart + 1) return CopiedText();
    return 0;
}

// tab: never ends a one-word value
int ScanTab() {
    return pureText ? CopiedText() : 0;
}

// "\#" and "\\"
void ScanEscape(char c) {
    WriteText(std::string_view(&c, 1));
}

// any other single character
int ScanStray() {
    return CopiedText();
}

extern "C" int yywrap() {
    return 1;
}

int yylex_destroy();

void ResetScanner() {
    yylex_destroy();
    pureText = 0;
    brackLevel = 0;
    brackStart = 0;
    breakOnWhiteSpace = 0;
}
