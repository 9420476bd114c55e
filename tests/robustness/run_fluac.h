// Runs the fluac binary on a file and collects what it did.
#pragma once

#include <string>
#include <vector>

struct FluacRun {
    int status = -1;        // exit status, or -1 when it did not exit normally
    std::string output;     // the Lua file it wrote
    std::string errors;     // its standard error
    long maxRssKiB = 0;     // its peak resident memory
};

// Writes input to a temporary file, translates it, and returns the result.
FluacRun TranslateText(const std::string& input);

// The number of non-overlapping occurrences of needle in text.
size_t CountOf(const std::string& text, const std::string& needle);
