// How the scanner gets its bytes, and how it dies when it cannot.
#pragma once

// Fills buf with up to max_size bytes of yyin and returns how many it read
// (0 at end of input). A terminal is read one line at a time.
int ScannerRead(char* buf, int max_size, int interactive);

// Writes the message and a newline to standard error and exits with status 2.
[[noreturn]] void ScannerFatal(const char* message);
