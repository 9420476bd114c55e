// flex makes two scanners from scanner.l (see CMakeLists.txt). The Scanner
// drives the one it chose through this table:
// - all_rules, with compressed tables, which never look past the newline
//   that ends a line: for input typed on a terminal, and the extended mode;
// - default_rules, the default mode's rules alone, with full tables, which
//   take fewer instructions per byte but look one byte past every lexeme (and
//   would grow large and slow to load with the extended mode's rules too).
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

namespace all_rules {
extern const FlexScanner kFlex;
}
namespace default_rules {
extern const FlexScanner kFlex;
}
