// What the generated parser needs from the rest of the program.
#pragma once

int yylex();
void yyerror(const char* message);
// The extended parser's names for the same two.
int extlex();
void exterror(const char* message);

// The message of the parser's last yyerror call ("syntax error" or
// "memory exhausted"), or null when it has not called it.
extern const char* gParseFailure;
