// The scanner of one translation: flex's reentrant scanner, with the state
// its rule actions (text_mode.cpp) keep beside it.
#pragma once

#include <climits>
#include <cstdio>
#include <string>
#include <string_view>

#include "output/output.h"

// What a translation reads and writes.
struct Mode {
    bool extendedGrammar = false;  // the extended grammar, with its keywords and rules
    bool layoutOnly = false;       // callbacks, user data and code are read, not copied
    bool lineByLine = false;       // the terminal's scanner, whatever the input (tests)
};

// Thrown when the scanner cannot go on: a read error, or no memory for its buffer.
struct ScannerFailure {
    const char* message;
};

class Scanner {
public:
    // Reads in (standard input when null) and copies text values to out.
    Scanner(std::FILE* in, Output& out, Mode mode);
    ~Scanner();
    Scanner(const Scanner&) = delete;
    Scanner& operator=(const Scanner&) = delete;

    // The next token, or 0 at the end of the input. Inside a braced value a
    // run of copied lexemes comes back as one TEXT token; stackRoom is the
    // number of TEXT lexemes the parse stack still takes, one entry each,
    // and a run that would overfill it ends at the lexeme that does, after
    // which the next token is STACK_FULL.
    int Next(long stackRoom = kNoStackLimit);
    static constexpr long kNoStackLimit = LONG_MAX;
    // The lexeme matched last, NUL-terminated.
    std::string_view Lexeme() const { return {text, static_cast<std::size_t>(leng)}; }
    // The next lexeme is a name, read as the designer reads one (see scanner.l).
    void ScanNameNext();
    // After an action has read a "{": read up to the matching "}" as text
    // (written to sink), then restore the counters.
    void EnterTextAfterBrace(Sink sink);
    void LeaveTextAfterBrace();

    const Mode mode;
    Output& out;
    std::FILE* in;
    const char* text = "";  // the lexeme matched last (see Lexeme)
    int leng = 0;
    long lexemes = 1;       // how many lexemes the token fetched last stands for (a run: more)
    long line = 1;          // line of the scanner's position

    // Text mode.
    int pureText = 0;           // 1 while lexemes are copied to the output and returned as TEXT
    long long brackLevel = 0;   // "{" adds one, "}" takes one, in and out of text mode; drifts
    long long brackStart = 0;   // the brackLevel at which a braced or code value ends
    int breakOnWhiteSpace = 0;  // 1 while the value is one word: the next space or newline ends it

    // --- rule actions (text_mode.cpp) ---------------------------------------
    // Rules that only return their token outside text mode.
    int PlainToken(int token);
    // The same for the whole-line rules, whose lexeme may hold a NUL byte.
    int LineToken(int token);
    // "label {", "code0 {" and kin: start a braced value; their brace is not counted.
    int BeginBracedValue(int token);
    // "label ", "code0 " and kin: start a one-word value.
    int BeginWordValue(int token);
    // "code": start a code value, whose braces come back as LBRACE and RBRACE.
    int BeginCodeValue(int token);
    int ScanOpenBrace();
    int ScanCloseBrace();
    // Whitespace: a token, or 0 when the character is skipped. Outside a
    // text value a run of blanks is one lexeme (SkipsBlanks).
    bool SkipsBlanks() const { return !pureText && !breakOnWhiteSpace; }
    // Inside a braced or code value every lexeme but the closing brace is text.
    bool CopiesRuns() const { return pureText && !breakOnWhiteSpace && brackLevel > brackStart; }
    // 0 outside text values, 2 inside a braced or code value, 1 elsewhere in text mode.
    int Place() const { return SkipsBlanks() ? 0 : CopiesRuns() ? 2 : 1; }
    // Copied text matched at once: a word or number of head bytes (or none)
    // and lexemes of one byte each. Inline: the most frequent action.
    int CopiedRun(int head) {
        long count = (head > 0) + (leng - head);
        if (count > room_ - pending_) return FillStack(head);
        Copy(Lexeme());
        pending_ += count;
        return 0;
    }
    void SkipBlankLine() { ++line; }
    int ScanNewline();
    int ScanSpace();
    int ScanTab();
    // "\#" and "\\": write their character and go on scanning.
    void ScanEscape(char c);
    // Any character no other rule takes: written and returned as TEXT in every mode.
    int ScanStray();
    // The extended mode's rules (see scanner.l).
    int ExtendedWholeLine(int token, int keywordLength);
    int ExtendedBracedValue(int token);
    int ExtendedWordValue(int token);
    int ScanCrLf();
    void ScanBraceEscape(char c);
    // Back-up rules (see text_mode.cpp).
    int BackedUp(int keep, int token);
    int BackedUpToExponent();
    int BackedUpToBrace();
    int BackedUpToStray();
    int BackedUpToHeaderOption();
    int BackedUpToName();
    // The input has ended: a run still held back comes first.
    int EndOfInput();

private:
    // Returns all of the current lexeme but its first n bytes to the input.
    void GiveBackAllBut(int n);
    void Copy(std::string_view text) {
        if (!dropping_) out.WriteText(text);
    }
    void CopyChar(char c);
    int CopiedText();
    int CopiedChar();
    int Text();
    int HandOverRun();
    int FillStack(int head);
    int EndWordValue();
    void StartDropping(int token);
    void StopDropping();

    // Without code (the layout-only mode) the text of callbacks, user data
    // and code is read but not copied; marks in the script show where it was.
    bool dropping_ = false;
    std::string dropMark_;  // written where the dropped text was, once it ends
    // The counters as they were before an action made the scanner read a
    // braced block as text.
    long long brackStartBefore_ = 0;
    int breakOnWhiteSpaceBefore_ = 0;
    // Runs of copied text: the TEXT lexemes scanned and not yet handed over,
    // the lexemes of this value handed over beyond one per token (entries the
    // parse stack would hold but does not), and how many more it takes.
    long pending_ = 0;
    long extra_ = 0;
    long room_ = kNoStackLimit;
    bool stackFull_ = false;
    const struct FlexScanner* flexScanner_;  // the one of flex_scanner.h's two that reads in
    void* flex_;                             // its state
};
