// Rule actions: what each lexeme does in and out of text mode.
#include <cstring>
#include <string>

#include "scanner/scanner.h"
#include "translator/tokens.h"

using namespace token;

void Scanner::CopyChar(char c) {
    if (!dropping_) out.WriteChar(c);
}

void Scanner::StartDropping(int token) {
    if (!mode.layoutOnly) return;
    if (token == CODE || token == CODE_N) {
        dropMark_ = "--";
        dropMark_.append(text, token == CODE ? 4 : 5);
        dropMark_ += " {...}";
    } else if (token == CALLBACK || token == USER_DATA) {
        dropMark_ = "...";
    } else {
        return;
    }
    dropping_ = true;
}

// Text mode has just ended. The mark is written only now: a code item's
// keyword is read before the newline that separates it from the item
// before it is written.
void Scanner::StopDropping() {
    if (!dropping_) return;
    dropping_ = false;
    out.WriteText(dropMark_);
}

// A lexeme is written as a C string: a NUL byte ends what is written of it.
// Only the whole-line rules and the single-character rule can match a NUL, so
// every other lexeme is written whole, without looking for one.
int Scanner::CopiedText() {
    Copy(Lexeme());
    return Text();
}

// The same for the rules that match one given character: braces, whitespace.
int Scanner::CopiedChar() {
    CopyChar(text[0]);
    return Text();
}

// A lexeme that is copied text has been written. Inside a braced or code
// value, where every lexeme but the closing brace is text, it is held back
// (0: scanning goes on) and handed over with the ones after it as one TEXT
// token, at the closing brace, at the end of the input, or at the lexeme
// that fills the parse stack, as it would have filled it with one token each.
int Scanner::Text() {
    if (!CopiesRuns()) return TEXT;
    if (++pending_ <= room_) return 0;
    stackFull_ = true;
    return HandOverRun();
}

// A run matched at once would overfill the parse stack: the lexeme that fills
// it ends the run, and what follows it is scanned again.
int Scanner::FillStack(int head) {
    long keep = room_ - pending_ >= 0 ? room_ - pending_ + 1 : 1;
    GiveBackAllBut(static_cast<int>(head > 0 ? head + keep - 1 : keep));
    Copy(Lexeme());
    pending_ += keep;
    stackFull_ = true;
    return HandOverRun();
}

int Scanner::HandOverRun() {
    lexemes = pending_;
    extra_ += pending_ - 1;
    pending_ = 0;
    return TEXT;
}

int Scanner::EndOfInput() {
    return pending_ ? HandOverRun() : 0;
}

// keywords, words, numbers and parentheses
int Scanner::PlainToken(int token) {
    return pureText ? CopiedText() : token;
}

// "#", "version", "header_name" and "code_name" up to the end of the line
int Scanner::LineToken(int token) {
    if (!pureText) return token;
    Copy(std::string_view(text, std::strlen(text)));
    return Text();
}

// "image {", "code0 {" .. "code3 {", "label {", "tooltip {", "user_data {", "callback {".
// Inside a text value the lexeme is text; the extended mode, as the designer,
// counts its brace like any other.
int Scanner::BeginBracedValue(int token) {
    if (pureText) return mode.extendedGrammar ? ExtendedBracedValue(token) : CopiedText();
    pureText = 1;
    brackStart = brackLevel - 1;
    StartDropping(token);
    return token;
}

// "code0 " .. "code3 ", "label ", "tooltip ", "user_data ", "callback ".
// Inside a text value the lexeme is text; in the extended mode its space
// ends a one-word value, so "label label open" is the label "label".
int Scanner::BeginWordValue(int token) {
    if (pureText) return mode.extendedGrammar ? ExtendedWordValue(token) : CopiedText();
    breakOnWhiteSpace = 1;
    pureText = 1;
    StartDropping(token);
    return token;
}

// "code"
int Scanner::BeginCodeValue(int token) {
    if (pureText) return CopiedText();
    pureText = 1;
    brackStart = brackLevel;
    StartDropping(token);
    return token;
}

// "{"
int Scanner::ScanOpenBrace() {
    brackLevel += 1;
    if (pureText && brackLevel > brackStart + 1) return CopiedChar();
    return LBRACE;
}

// "}". The one that ends a value waits for the text held back before it.
int Scanner::ScanCloseBrace() {
    if (pending_ && brackLevel - 1 == brackStart) {
        GiveBackAllBut(0);
        return HandOverRun();
    }
    brackLevel -= 1;
    if (pureText && brackLevel == brackStart) {
        pureText = 0;
        StopDropping();
    }
    return pureText ? CopiedChar() : RBRACE;
}

// The space or newline that ends a one-word value comes back as its RBRACE.
int Scanner::EndWordValue() {
    pureText = 0;
    breakOnWhiteSpace = 0;
    StopDropping();
    return RBRACE;
}

// newline. This rule and the CR-LF rule are the only ones that match a
// newline, so they keep the line count (flex's own counting would look at
// every lexeme).
int Scanner::ScanNewline() {
    int token = breakOnWhiteSpace ? EndWordValue() : pureText ? CopiedChar() : 0;
    ++line;  // after the copy: the newline ends a script line that came from this input line
    return token;
}

// space
int Scanner::ScanSpace() {
    if (breakOnWhiteSpace) return EndWordValue();
    if (pureText && brackLevel >= brackStart + 1) return CopiedChar();
    return 0;
}

// tab: never ends a one-word value
int Scanner::ScanTab() {
    return pureText ? CopiedChar() : 0;
}

// "\#" and "\\"
void Scanner::ScanEscape(char c) {
    CopyChar(c);
}

// any other single character; the extended mode keeps stray characters
// outside text values out of the script
int Scanner::ScanStray() {
    if (mode.extendedGrammar && !pureText) return TEXT;
    if (text[0] != '\0') CopyChar(text[0]);
    return Text();
}

// --- the extended mode's rules ----------------------------------------------

// "version" and the other whole-line forms: inside a text value only the
// keyword is text, and the rest of the line is scanned as usual.
int Scanner::ExtendedWholeLine(int token, int keywordLength) {
    if (!pureText) return token;
    if (keywordLength < 0) {
        const void* space = std::memchr(text, ' ', static_cast<size_t>(leng));
        keywordLength = space ? static_cast<int>(static_cast<const char*>(space) - text) : leng;
    }
    GiveBackAllBut(keywordLength);
    return CopiedText();
}

// "comment {" and the other braced forms: inside a text value the keyword
// is text and its brace is counted like any other.
int Scanner::ExtendedBracedValue(int token) {
    if (!pureText) return BeginBracedValue(token);
    GiveBackAllBut(leng - 2);
    return CopiedText();
}

// "comment " and the other one-word forms
int Scanner::ExtendedWordValue(int token) {
    if (!pureText) return BeginWordValue(token);
    GiveBackAllBut(leng - 1);
    return CopiedText();
}

// "\{" and "\}": the brace itself, which neither counts nor shows the
// backslash; outside a text value nothing
void Scanner::ScanBraceEscape(char c) {
    if (pureText) CopyChar(c);
}

// CR-LF: a newline, copied as a plain newline
int Scanner::ScanCrLf() {
    int token = 0;
    if (breakOnWhiteSpace) {
        token = EndWordValue();
    } else if (pureText) {
        Copy("\n");
        token = Text();
    }
    ++line;
    return token;
}

// An action has read the "{" of a block that is to be read as text (a
// braced name, a skipped value): text mode until the matching "}", which
// comes back as RBRACE.
void Scanner::EnterTextAfterBrace(Sink sink) {
    brackStartBefore_ = brackStart;
    breakOnWhiteSpaceBefore_ = breakOnWhiteSpace;
    pureText = 1;
    brackStart = brackLevel - 1;
    breakOnWhiteSpace = 0;
    out.BeginTextSink(sink);
}

// ... and its "}" has been read: the counters are as if it had been read
// outside text mode.
void Scanner::LeaveTextAfterBrace() {
    brackStart = brackStartBefore_;
    breakOnWhiteSpace = breakOnWhiteSpaceBefore_;
    out.EndTextSink();
}

// --- back-up rules ------------------------------------------------------------
// Each matches what a longer rule begins and the input did not finish, and
// gives back what flex would otherwise back up over, doing what the rule that
// took the rest does. Without them flex would keep track of the last
// accepting state at every byte.

// "1." (a number), "0x" (a number), "image " in the default mode (a word)
int Scanner::BackedUp(int keep, int token) {
    GiveBackAllBut(keep);
    return PlainToken(token);
}

// "1e", "1.5E+": the number before the exponent
int Scanner::BackedUpToExponent() {
    int keep = static_cast<int>(std::strcspn(text, "eE"));
    return BackedUp(keep, std::memchr(text, '.', static_cast<size_t>(keep)) ? FLOAT : NUMBER);
}

// "{a", "{a::", "{a::b:": a brace
int Scanner::BackedUpToBrace() {
    GiveBackAllBut(1);
    return ScanOpenBrace();
}

// "-.": a stray "-"
int Scanner::BackedUpToStray() {
    GiveBackAllBut(1);
    return ScanStray();
}

// a header option and a space that nothing follows on its line
int Scanner::BackedUpToHeaderOption() {
    GiveBackAllBut(leng - 1);
    return ExtendedWholeLine(HEADER_OPTION, -1);
}

// a name that ends in a backslash at the end of the input
int Scanner::BackedUpToName() {
    GiveBackAllBut(leng - 1);
    return WORD;
}

