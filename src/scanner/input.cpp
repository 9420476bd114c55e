// Reading the input for the scanner.
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "scanner/input.h"
#include "scanner/scanner.h"

namespace {

constexpr int kBlockSize = 8192;    // one read asks for at most this much

// A terminal: one character at a time, up to and including the newline, so
// that each line is scanned as soon as it has been typed.
int ReadLine(FILE* in, char* buf, int max_size) {
    int c = '*';
    int n = 0;
    while (n < max_size && (c = getc(in)) != EOF && c != '\n') buf[n++] = static_cast<char>(c);
    if (c == '\n') buf[n++] = static_cast<char>(c);
    if (c == EOF && ferror(in)) throw ScannerFailure{"input in flex scanner failed"};
    return n;
}

// One block read. A read interrupted by a signal is resumed where it stopped;
// any other read error is fatal.
int ReadBlock(FILE* in, char* buf, int size) {
    size_t total = 0;
    for (;;) {
        errno = 0;
        total += fread(buf + total, 1, static_cast<size_t>(size) - total, in);
        if (total == static_cast<size_t>(size) || !ferror(in)) return static_cast<int>(total);
        if (errno != EINTR) throw ScannerFailure{"input in flex scanner failed"};
        clearerr(in);
    }
}

}  // namespace

// The buffer's free part is filled block by block until it is full or the
// input runs dry, so that a long lexeme costs one re-scan per buffer doubling.
int ScannerRead(FILE* in, char* buf, int max_size, int interactive) {
    if (interactive) return ReadLine(in, buf, max_size);
    int total = 0;
    while (total < max_size) {
        int want = max_size - total < kBlockSize ? max_size - total : kBlockSize;
        int got = ReadBlock(in, buf + total, want);
        total += got;
        if (got < want) break;
    }
    return total;
}
