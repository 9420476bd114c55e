// What the generated parsers need from the rest of the translator.
#pragma once

struct Context;

// The parsers' lexer: the scanner's next token.
int NextToken(Context& ctx);
// The parsers' error hook: it prints nothing and only remembers the message
// ("syntax error" or "memory exhausted"), which the translation turns into
// its diagnostic once the parse has returned.
void ParseFailed(Context& ctx, const char* message);

// The parsers, one per grammar: 0, or 1 on a syntax error, 2 when the parse
// stack is exhausted.
int yyparse(Context& ctx);
int extparse(Context& ctx);

// Bison's name of a token (its alias, quoted, where it has one).
const char* GrammarTokenName(int token);
