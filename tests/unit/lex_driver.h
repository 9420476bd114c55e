// Drives the scanner over a string and records, call by call, the token,
// its yytext and exactly the bytes written to the output during the call.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct LexCall {
    int token;
    std::string text;     // yytext after the call
    std::string written;  // what the call wrote to the output
    long lexemes;         // how many lexemes a TEXT stands for
};

// The text-mode counters of the scanner once the input has ended.
struct ScanEnd {
    int pureText = 0;
    long long brackLevel = 0;
};

// Scans input with a scanner of its own until end of input (token 0, which
// is recorded too); lineByLine picks the scanner a terminal gets.
std::vector<LexCall> ScanAll(std::string_view input, ScanEnd* end = nullptr, bool lineByLine = false);

// The calls in a compact form: token names separated by spaces, each
// followed by [what it wrote] when it wrote anything. Control characters are
// shown as \n, \t, \r and \0.
std::string Describe(const std::vector<LexCall>& calls);

// Everything the calls wrote, concatenated.
std::string WrittenInTotal(const std::vector<LexCall>& calls);

// The parser's name of a token: an alias such as "{" without its quotes.
std::string TokenName(int token);
