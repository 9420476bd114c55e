#include "lex_driver.h"

#include <cstdio>
#include <cstdlib>

#include "scanner/output.h"
#include "scanner/scanner.h"
#include "translator/grammar.hpp"

namespace {

const char* const kNames[] = {
    "COMMENT", "VERSION", "HEADER_NAME", "CODE_NAME", "FUNCTION", "WORD", "LPAREN", "RPAREN",
    "RBRACE", "LBRACE", "OPEN", "CODE", "SELECTED", "RESERVED", "TEXT", "NUMBER", "TYPE",
    "VISIBLE", "XYWH", "LABEL", "CALLBACK", "LABELSIZE", "TEXTSIZE", "ALIGN", "FLOAT", "MAXIMUM",
    "MINIMUM", "STEP", "VALUE", "BOX", "DOWN_BOX", "WHEN", "RESIZABLE", "SIZE_RANGE", "TEXTFONT",
    "TOOLTIP", "CODE_N", "COLOR", "LABELCOLOR", "LABELTYPE", "SELECTION_COLOR", "TEXTCOLOR",
    "LABELFONT", "IMAGE", "FL_WINDOW", "FL_BUTTON", "FL_INPUT", "FL_VALUE_INPUT", "FL_BROWSER",
    "FL_CHECK_BUTTON", "FL_TEXT_DISPLAY", "FL_OUTPUT", "FL_GROUP", "FL_MENU_BAR", "SUBMENU",
    "MENUITEM", "USER_DATA", "SHORTCUT", "HEX"};

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
    if (token >= COMMENT && token <= HEX) return kNames[token - COMMENT];
    return "?" + std::to_string(token);
}

std::vector<LexCall> ScanAll(std::string_view input) {
    ResetScanner();
    FILE* in = tmpfile();
    fwrite(input.data(), 1, input.size(), in);
    rewind(in);
    yyin = in;

    char* buffer = nullptr;
    size_t size = 0;
    FILE* out = open_memstream(&buffer, &size);
    gParserOutput = out;

    std::vector<LexCall> calls;
    for (;;) {
        FlushOutput();
        fflush(out);
        size_t before = size;
        int token = yylex();
        FlushOutput();
        fflush(out);
        calls.push_back({token, std::string(yytext, static_cast<size_t>(yyleng)),
                         std::string(buffer + before, size - before)});
        if (token == 0) break;
    }
    fclose(out);
    free(buffer);
    fclose(in);
    yyin = nullptr;
    gParserOutput = nullptr;
    return calls;
}

std::string Describe(const std::vector<LexCall>& calls) {
    std::string out;
    for (const LexCall& call : calls) {
        if (call.token == 0) break;
        if (!out.empty()) out += ' ';
        out += TokenName(call.token);
        if (!call.written.empty()) out += "[" + Visible(call.written) + "]";
    }
    return out;
}

std::string WrittenInTotal(const std::vector<LexCall>& calls) {
    std::string out;
    for (const LexCall& call : calls) out += call.written;
    return out;
}
