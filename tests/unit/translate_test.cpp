// A translation in memory: the script, its messages and which input line
// each script line came from.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "translator/translate.h"

namespace {

// The number of the script line that holds text, from 1; 0 when none does.
int ScriptLineOf(const std::string& script, const std::string& text) {
    size_t at = script.find(text);
    if (at == std::string::npos) return 0;
    return 1 + static_cast<int>(std::count(script.begin(), script.begin() + static_cast<long>(at), '\n'));
}

TEST(Translate, EachScriptLineNamesTheInputLineItCameFrom) {
    const char* fl =
        "# data file\nversion 1.0308\nheader_name {.h}\ncode_name {.cxx}\n"  // lines 1-4
        "Function {f()} {} {\n"                                            // 5
        "  Fl_Window w {\n"                                                // 6
        "    label Hi xywh {0 0 10 10}\n"                                  // 7
        "  } {\n"                                                          // 8
        "    Fl_Button b {\n"                                              // 9
        "      callback {a()\n"                                            // 10
        "b()}\n"                                                           // 11
        "    }\n"                                                          // 12
        "    Fl_Menu_Bar m {} {\n"                                         // 13
        "      MenuItem i {\n"                                             // 14
        "        label Item labelsize 12\n"                                // 15: written after the add
        "        xywh {0 0 10 10}\n"                                       // 16
        "      }\n    }\n  }\n"                                            // 17-19
        "  code {c()} {}\n"                                                // 20: its newline comes later
        "}\n";
    for (bool extended : {false, true}) {
        fluac::TranslateOptions options;
        options.extended = extended;
        fluac::Translation t = fluac::translate_text(fl, "ui.fl", options);
        EXPECT_EQ(t.status, 0);
        EXPECT_EQ(t.messages, "");
        ASSERT_EQ(t.sourceLines.size(), static_cast<size_t>(std::count(t.script.begin(), t.script.end(), '\n')));
        auto inputLineOf = [&](const std::string& text) {
            int line = ScriptLineOf(t.script, text);
            return line > 0 ? t.sourceLines[static_cast<size_t>(line - 1)] : 0;
        };
        EXPECT_EQ(inputLineOf("w:label(\"Hi\")"), 7) << t.script;
        EXPECT_EQ(inputLineOf("b:callback(a()"), 10) << t.script;
        EXPECT_EQ(inputLineOf("b()"), 11) << t.script;
        EXPECT_EQ(inputLineOf("c()"), 20) << t.script;
        EXPECT_EQ(inputLineOf("i:labelsize(12)"), 15) << t.script;
        // The same translation written to a stream gives the same script.
        std::string script;
        FILE* in = fmemopen(const_cast<char*>(fl), std::char_traits<char>::length(fl), "r");
        char* buffer = nullptr;
        size_t size = 0;
        FILE* out = open_memstream(&buffer, &size);
        EXPECT_EQ(fluac::translate(in, out, stderr, "ui.fl", options), 0);
        fclose(out);
        fclose(in);
        EXPECT_EQ(std::string(buffer, size), t.script);
        free(buffer);
    }
}

TEST(Translate, MessagesCarryTheProgramAndTheInputLine) {
    fluac::TranslateOptions options;
    options.extended = true;
    options.program = "fluac-lua";
    fluac::Translation t = fluac::translate_text("Function {} {} {\n  Fl_Box {} {\n  }\n}\n}\nFunction {} {} {}\n", "ui.fl", options);
    EXPECT_EQ(t.status, 0);
    EXPECT_EQ(t.messages, "fluac-lua: ui.fl:5: syntax error; the Lua script is incomplete\n");
    EXPECT_EQ(t.script.substr(t.script.size() - 9), "Fl:run()\n");
}

}  // namespace
