// flex makes two scanners from scanner.l (see CMakeLists.txt): one for input
// typed on a terminal, whose compressed tables never look past the newline
// that ends a line, and one with full tables, which take fewer instructions
// per byte but look one byte past every lexeme, for everything else. The
// Scanner drives the one it chose through this table.
#pragma once

#include <cstdio>

class Scanner;

struct FlexScanner {
    void* (*create)(Scanner& owner, std::FILE* in);  // throws std::bad_alloc
    void (*destroy)(void* flex);
    int (*scan)(void* flex);                // the next token, or 0 at the end
    void (*giveBack)(void* flex, int keep);  // all of the lexeme but its first keep bytes
    void (*readName)(void* flex);           // the next lexeme is a name (extended mode)
};

namespace line_scanner {
extern const FlexScanner kFlex;
}
namespace block_scanner {
extern const FlexScanner kFlex;
}
