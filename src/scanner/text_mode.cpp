// Rule actions: what each lexeme does in and out of text mode.
#include <cstring>
#include <string>

#include "scanner/output.h"
#include "scanner/scanner.h"
#include "translator/grammar.hpp"

int gExtendedKeywords = 0;
int gLayoutOnly = 0;
int pureText = 0;
long long brackLevel = 0;
long long brackStart = 0;
int breakOnWhiteSpace = 0;

namespace {

// Without code (the layout-only mode) the text of callbacks, user data and
// code is read but not copied; marks in the script show where it was.
bool dropping = false;
std::string dropMark;  // written where the dropped text was, once it ends

// The counters as they were before an action made the scanner read a
// braced block as text.
long long brackStartBefore = 0;
int breakOnWhiteSpaceBefore = 0;

// Every copy of the scanner's goes through here.
void Copy(std::string_view text) {
    if (!dropping) WriteText(text);
}

void CopyChar(char c) {
    if (!dropping) WriteChar(c);
}

void StartDropping(int token) {
    if (!gLayoutOnly) return;
    if (token == CODE || token == CODE_N) {
        dropMark = "--";
        dropMark.append(yytext, token == CODE ? 4 : 5);
        dropMark += " {...}";
    } else if (token == CALLBACK || token == USER_DATA) {
        dropMark = "...";
    } else {
        return;
    }
    dropping = true;
}

// Text mode has just ended. The mark is written only now: a code item's
// keyword is read before the newline that separates it from the item
// before it is written.
void StopDropping() {
    if (!dropping) return;
    dropping = false;
    WriteText(dropMark);
}

}  // namespace

// A lexeme is written as a C string: a NUL byte ends what is written of it.
// Only the whole-line rules and the single-character rule can match a NUL, so
// every other lexeme is written whole, without looking for one.
static int CopiedText() {
    Copy(std::string_view(yytext, static_cast<size_t>(yyleng)));
    return TEXT;
}

// The same for the rules that match one given character: braces, whitespace.
static int CopiedChar() {
    CopyChar(yytext[0]);
    return TEXT;
}

// keywords, words, numbers and parentheses
int PlainToken(int token) {
    return pureText ? CopiedText() : token;
}

// "#", "version", "header_name" and "code_name" up to the end of the line
int LineToken(int token) {
    if (!pureText) return token;
    Copy(std::string_view(yytext, std::strlen(yytext)));
    return TEXT;
}

// "image {", "code0 {" .. "code3 {", "label {", "tooltip {", "user_data {", "callback {".
// Inside a text value the lexeme is text; the extended mode, as the designer,
// counts its brace like any other.
int BeginBracedValue(int token) {
    if (pureText) return gExtendedKeywords ? ExtendedBracedValue(token) : CopiedText();
    pureText = 1;
    brackStart = brackLevel - 1;
    StartDropping(token);
    return token;
}

// "code0 " .. "code3 ", "label ", "tooltip ", "user_data ", "callback ".
// Inside a text value the lexeme is text; in the extended mode its space
// ends a one-word value, so "label label open" is the label "label".
int BeginWordValue(int token) {
    if (pureText) return gExtendedKeywords ? ExtendedWordValue(token) : CopiedText();
    breakOnWhiteSpace = 1;
    pureText = 1;
    StartDropping(token);
    return token;
}

// "code"
int BeginCodeValue(int token) {
    if (pureText) return CopiedText();
    pureText = 1;
    brackStart = brackLevel;
    StartDropping(token);
    return token;
}

// "{"
int ScanOpenBrace() {
    brackLevel += 1;
    if (pureText && brackLevel > brackStart + 1) return CopiedChar();
    return LBRACE;
}

// "}"
int ScanCloseBrace() {
    brackLevel -= 1;
    if (pureText && brackLevel == brackStart) {
        pureText = 0;
        StopDropping();
    }
    return pureText ? CopiedChar() : RBRACE;
}

// The space or newline that ends a one-word value comes back as its RBRACE.
static int EndWordValue() {
    pureText = 0;
    breakOnWhiteSpace = 0;
    StopDropping();
    return RBRACE;
}

// newline. This rule and the CR-LF rule are the only ones that match a
// newline, so they keep the line count (flex's own counting would look at
// every lexeme).
int ScanNewline() {
    const int token = breakOnWhiteSpace ? EndWordValue() : pureText ? CopiedChar() : 0;
    ++yylineno;  // after the copy, which ends a line of the script on this line
    return token;
}

// space
int ScanSpace() {
    if (breakOnWhiteSpace) return EndWordValue();
    if (pureText && brackLevel >= brackStart + 1) return CopiedChar();
    return 0;
}

// tab: never ends a one-word value
int ScanTab() {
    return pureText ? CopiedChar() : 0;
}

// "\#" and "\\"
void ScanEscape(char c) {
    CopyChar(c);
}

// any other single character; the extended mode keeps stray characters
// outside text values out of the script
int ScanStray() {
    if (gExtendedKeywords && !pureText) return TEXT;
    if (yytext[0] != '\0') CopyChar(yytext[0]);
    return TEXT;
}

// --- the extended mode's rules ----------------------------------------------

// "version" and the other whole-line forms: inside a text value only the
// keyword is text, and the rest of the line is scanned as usual.
int ExtendedWholeLine(int token, int keywordLength) {
    if (!pureText) return token;
    if (keywordLength < 0) {
        const void* space = std::memchr(yytext, ' ', static_cast<size_t>(yyleng));
        keywordLength = space ? static_cast<int>(static_cast<const char*>(space) - yytext) : yyleng;
    }
    GiveBackAllBut(keywordLength);
    return CopiedText();
}

// "comment {" and the other braced forms: inside a text value the keyword
// is text and its brace is counted like any other.
int ExtendedBracedValue(int token) {
    if (!pureText) return BeginBracedValue(token);
    GiveBackAllBut(yyleng - 2);
    return CopiedText();
}

// "comment " and the other one-word forms
int ExtendedWordValue(int token) {
    if (!pureText) return BeginWordValue(token);
    GiveBackAllBut(yyleng - 1);
    return CopiedText();
}

// "\{" and "\}": the brace itself, which neither counts nor shows the
// backslash; outside a text value nothing
void ScanBraceEscape(char c) {
    if (pureText) CopyChar(c);
}

// CR-LF: a newline, copied as a plain newline
int ScanCrLf() {
    int token = 0;
    if (breakOnWhiteSpace) {
        token = EndWordValue();
    } else if (pureText) {
        Copy("\n");
        token = TEXT;
    }
    ++yylineno;
    return token;
}

extern "C" int yywrap() {
    return 1;
}

int yylex_destroy();

// An action has read the "{" of a block that is to be read as text (a
// braced name, a skipped value): text mode until the matching "}", which
// comes back as RBRACE.
void EnterTextAfterBrace(Sink sink) {
    brackStartBefore = brackStart;
    breakOnWhiteSpaceBefore = breakOnWhiteSpace;
    pureText = 1;
    brackStart = brackLevel - 1;
    breakOnWhiteSpace = 0;
    BeginTextSink(sink);
}

// ... and its "}" has been read: the counters are as if it had been read
// outside text mode.
void LeaveTextAfterBrace() {
    brackStart = brackStartBefore;
    breakOnWhiteSpace = breakOnWhiteSpaceBefore;
    EndTextSink();
}

void ResetScanner() {
    dropping = false;
    yylex_destroy();
    yylineno = 1;
    pureText = 0;
    brackLevel = 0;
    brackStart = 0;
    breakOnWhiteSpace = 0;
}
