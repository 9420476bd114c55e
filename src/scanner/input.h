// How the scanner gets its bytes.
#pragma once

#include <cstdio>

// Fills buf with up to max_size bytes of in and returns how many it read
// (0 at end of input). A terminal is read one line at a time. A read error
// throws ScannerFailure.
int ScannerRead(std::FILE* in, char* buf, int max_size, int interactive);
