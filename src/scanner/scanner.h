// The scanner's shared state and the helpers its rules call.
#pragma once

#include <cstdio>

#include "scanner/output.h"

// --- state shared with the rest of the translator ---------------------------
extern FILE* yyin;              // input stream; standard input when unset at the first call
extern FILE* yyout;             // sink for unmatched input (every byte is matched, so unused)
extern char* yytext;            // text of the lexeme matched last, NUL-terminated
extern int yyleng;              // its length in bytes
extern int yylineno;            // line of the scanner's position, for diagnostics only

// --- mode ------------------------------------------------------------------
extern int gExtendedKeywords;   // 1: the extended mode's keywords and rules are on
extern int gLayoutOnly;         // 1: callbacks, user data and code are read, not copied

// --- text mode -------------------------------------------------------------
extern int pureText;            // 1 while lexemes are copied to the output and returned as TEXT
extern long long brackLevel;    // "{" adds one, "}" takes one, in and out of text mode; drifts
extern long long brackStart;    // the brackLevel at which a braced or code value ends
extern int breakOnWhiteSpace;   // 1 while the value is one word: the next space or newline ends it

int yylex();
extern "C" int yywrap();

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
// The next lexeme is a name, read as the designer reads one (see scanner.l).
void ScanNameNext();
// Returns all of the current lexeme but its first n bytes to the input.
void GiveBackAllBut(int n);
// After an action has read a "{": read up to the matching "}" as text
// (written to sink), then restore the counters.
void EnterTextAfterBrace(Sink sink);
void LeaveTextAfterBrace();

// Puts the scanner back in its start state (for tests and the fuzzer only).
void ResetScanner();
