// The generated parsers, as the rest of the translator calls them.
#pragma once

struct Context;

// The parsers, one per grammar: 0, or 1 on a syntax error, 2 when the parse
// stack is exhausted; the message is then in ctx.parseFailure.
int yyparse(Context& ctx);
int extparse(Context& ctx);

// Bison's name of a token (its alias, quoted, where it has one).
const char* GrammarTokenName(int token);
