// The scanner of one translation: flex's reentrant scanner, with the state
// its rule actions (text_mode.cpp) keep beside it.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "output/output.h"

// What a translation reads and writes.
struct Mode {
    bool extendedGrammar = false;  // the extended grammar, with its keywords and rules
    bool layoutOnly = false;       // callbacks, user data and code are read, not copied
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

    // The next token, or 0 at the end of the input.
    int Next();
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
    // Whitespace: a token, or 0 when the character is skipped.
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
    // The name has been read: back to the extended mode's rules.
    int EndName(int token);

private:
    // Returns all of the current lexeme but its first n bytes to the input.
    void GiveBackAllBut(int n);
    void Copy(std::string_view text);
    void CopyChar(char c);
    int CopiedText();
    int CopiedChar();
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
    void* flex_ = nullptr;  // flex's own state
};
