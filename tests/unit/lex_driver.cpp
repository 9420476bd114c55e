#include "lex_driver.h"

#include <cstdio>
#include <cstdlib>

#include "output/output.h"
#include "scanner/scanner.h"
#include "translator/parser_support.h"

namespace {

std::string Visible(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            case '\0': out += "\\0"; break;
            default: out += c;
        }
    }
    return out;
}

}  // namespace

std::string TokenName(int token) {
    if (token == 0) return "END";
    std::string name = GrammarTokenName(token);
    if (name.size() > 1 && name.front() == '"') name = name.substr(1, name.size() - 2);
    return name;
}

std::vector<LexCall> ScanAll(std::string_view input, ScanEnd* end, bool lineByLine) {
    FILE* in = tmpfile();
    fwrite(input.data(), 1, input.size(), in);
    rewind(in);
    char* buffer = nullptr;
    size_t size = 0;
    FILE* out = open_memstream(&buffer, &size);
    std::vector<LexCall> calls;
    {
        Output output(out);
        Scanner scanner(in, output, Mode{false, false, lineByLine});
        for (;;) {
            output.Flush();
            fflush(out);
            size_t before = size;
            int token = scanner.Next();
            output.Flush();
            fflush(out);
            calls.push_back({token, std::string(scanner.Lexeme()), std::string(buffer + before, size - before),
                             scanner.lexemes});
            if (token == 0) break;
        }
        if (end) *end = {scanner.pureText, scanner.brackLevel};
    }
    fclose(out);
    free(buffer);
    fclose(in);
    return calls;
}

std::string Describe(const std::vector<LexCall>& calls) {
    std::string out;
    for (const LexCall& call : calls) {
        if (call.token == 0) break;
        if (!out.empty()) out += ' ';
        out += TokenName(call.token);
        if (call.lexemes > 1) out += std::to_string(call.lexemes);  // a run of copied text
        if (!call.written.empty()) out += "[" + Visible(call.written) + "]";
    }
    return out;
}

std::string WrittenInTotal(const std::vector<LexCall>& calls) {
    std::string out;
    for (const LexCall& call : calls) out += call.written;
    return out;
}
