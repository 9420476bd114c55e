// One translation of a FLUID file into a Lua script: the translator's entry.
#pragma once
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace fluac {

struct TranslateOptions {
    bool extended = false;     // --extended
    bool layoutOnly = false;   // --layout-only
    bool lineByLine = false;   // scan as a terminal's input is scanned (tests)
    const char* program = "fluac";  // prefix of messages: "PROGRAM: FILE:LINE: message"
    const char* outputName = "<output>";  // names the script in a message about writing it
};

// Translates the FLUID text read from `in` into a Lua script written to `out`,
// messages to `messages`; `fileName` names the input in messages. Returns the
// exit status fluac would give. When `sourceLines` is not null, it receives,
// for each line of the script (index 0 = line 1), the line of the input that
// was being read when that script line was begun: the line that holds a
// copied line of code, the line of the keyword whose action wrote a call.
int translate(std::FILE* in, std::FILE* out, std::FILE* messages, const char* fileName,
              const TranslateOptions& options, std::vector<int>* sourceLines = nullptr);

struct Translation {
    int status = 0;
    std::string script;
    std::string messages;
    std::vector<int> sourceLines;
};
// The same, in memory (fmemopen/open_memstream).
Translation translate_text(std::string_view text, const char* fileName, const TranslateOptions& options);

}  // namespace fluac
