// The binary on hostile input: it must neither crash nor lose data, and the
// output must still close with the run line.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "run_fluac.h"

namespace {

const std::string kHeader = "# data file\nversion 1.0308\nheader_name {.h}\ncode_name {.cxx}\n";
const std::string kRun = "Fl:run()\n";

std::string InFunction(const std::string& body) {
    return kHeader + "Function {f()} {} {\n" + body + "}\n";
}

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(BadInput, RandomBytesAnywhere) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 8; ++round) {
        std::string noise(64 << 10, '\0');
        for (char& c : noise) c = static_cast<char>(random() & 0xff);
        // Half the rounds start well, so the noise reaches the translator's deeper states.
        const std::string input = round % 2 ? InFunction("Fl_Window w {} {\n" + noise) : noise;
        FluacRun run = TranslateText(input);
        EXPECT_EQ(run.status, 0) << "round " << round;
        EXPECT_TRUE(EndsWith(run.output, kRun)) << "round " << round;
    }
}

TEST(BadInput, NulBytesOnly) {
    FluacRun run = TranslateText(std::string(1 << 20, '\0'));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, kRun);
    EXPECT_NE(run.errors.find(":1: syntax error; the Lua script is incomplete"), std::string::npos) << run.errors;
}

TEST(BadInput, HugeHashLineInACallbackIsCopiedWhole) {
    const std::string line = "#" + std::string(64 << 20, 'x');
    FluacRun run = TranslateText(InFunction("Fl_Box b {\n callback {" + line + "\n}\n}\n"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.output, "--function f()\ndo b= fltk:Fl_Box(0,0,0,0,\"\")\nb:callback(" + line +
                              "\n)\nend\n\n--end\n" + kRun);
#ifndef FLUAC_SANITIZED
    // The buffer holds the whole line and at most doubles past it; growing it
    // may briefly hold the old and the new block.
    EXPECT_LT(run.maxRssKiB * 1024, 4 * static_cast<long>(line.size())) << run.maxRssKiB << " KiB";
#endif
}

TEST(BadInput, DeepNesting) {
    // Every open group holds nine parse-stack entries: 1,200 exceed the stack.
    FluacRun groups = TranslateText(InFunction(Repeat("Fl_Group g {} {\n", 1200)));
    EXPECT_EQ(groups.status, 0);
    EXPECT_NE(groups.errors.find("nests or repeats too deeply"), std::string::npos) << groups.errors;
    EXPECT_TRUE(EndsWith(groups.output, "do g= fltk:Fl_Group(0,0,0,0,\"\")\n" + kRun));

    // 300 windows: one show line, for the innermost, after the outermost end.
    std::string windows;
    for (int i = 0; i < 300; ++i) windows += "Fl_Window w" + std::to_string(i) + " {} {\n";
    windows += "Fl_Box b {}\n" + Repeat("}\n", 300);
    FluacRun nested = TranslateText(InFunction(windows));
    EXPECT_EQ(nested.status, 0);
    EXPECT_EQ(nested.errors, "");
    EXPECT_EQ(CountOf(nested.output, ":show()"), 1u);
    EXPECT_TRUE(EndsWith(nested.output, Repeat("end\n", 301) + "w299:show()\n\n--end\n" + kRun));

    // 200 submenus: every depth gets its own prefix variable.
    std::string menus = "Fl_Menu_Bar m {} {\n";
    for (int i = 1; i <= 200; ++i) menus += "Submenu {} {label {L" + std::to_string(i) + "}} {\n";
    menus += "MenuItem i {label Deepest}\n" + Repeat("}\n", 201);
    FluacRun deep = TranslateText(InFunction(menus));
    EXPECT_EQ(deep.status, 0);
    EXPECT_EQ(deep.errors, "");
    EXPECT_NE(deep.output.find("menudir128=menudir127..\"L128/\"\n"), std::string::npos);
    EXPECT_NE(deep.output.find("menudir200=menudir199..\"L200/\"\nitemname=menudir200..\"Deepest\"\n"),
              std::string::npos);
}

TEST(BadInput, OversizedNumbers) {
    const std::string digits(30, '9');
    FluacRun run = TranslateText(InFunction("Fl_Box b {xywh {" + digits + " -" + digits + " 0" + digits +
                                            " 1}}\nFl_Menu_Bar m {} {MenuItem i {shortcut 0x" +
                                            Repeat("0123456789", 4) + "}}\n"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors, "");
    EXPECT_NE(run.output.find("b:resize(2147483647,-2147483648,2147483647,1)\n"), std::string::npos);
    EXPECT_NE(run.output.find("m:add(Item," + std::to_string(0x23456789) + ",nil,nil,0)\n"), std::string::npos);
}

TEST(BadInput, LongNamesClassesAndTypeWordsAreNeverCut) {
    const std::string name(100 << 10, 'n');
    const std::string cls = "Fl_" + std::string(100 << 10, 'C');
    const std::string word(100 << 10, 'T');
    FluacRun run = TranslateText(InFunction(cls + " " + name + " {type " + word + " labelsize 3}\n"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.output, "--function f()\ndo " + name + "= fltk:" + cls + "(0,0,0,0,\"\")\n" + name +
                              ":type(-1)\n" + name + ":labelsize(3)\nend\n\n--end\n" + kRun);
}

TEST(BadInput, CrLfLineEndsStopAtTheFirstCarriageReturnOutsideAValue) {
    FluacRun run = TranslateText("# data file\r\nversion 1.0308\r\nheader_name {.h}\r\ncode_name {.cxx}\r\n"
                                 "Function {f()} {} {\r\n  Fl_Box b {}\r\n}\r\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "--function f()\n\r" + kRun);
    EXPECT_NE(run.errors.find(":5: syntax error"), std::string::npos) << run.errors;
}

TEST(BadInput, EndOfInputInsideEveryKindOfTextValue) {
    const std::pair<std::string, std::string> cases[] = {
        {"Fl_Box b {label {Hello wor", "b:label(\"Hello wor"},
        {"Fl_Box b {label Hello", "b:label(\"Hello"},
        {"Fl_Box b {tooltip {a {nested} tip", "b:tooltip(\"a {nested} tip"},
        {"Fl_Box b {callback {function() x()", "b:callback(function() x()"},
        {"Fl_Box b {callback {# to the end } of the line", "b:callback(# to the end } of the line"},
        {"Fl_Box b {image {logo.pn", "Fl_Shared_Image.get(\"logo.pn"},
        {"Fl_Box b {code0 {x = ", "x = "},
        {"Fl_Box b {code3 y", "y"},
        {"code {print(1", "print(1"},
        {"code", "--function f()\n"},
        {"Fl_Menu_Bar m {} {MenuItem i {user_data {da", "itemuserdata=\"da"},
        {"Fl_Menu_Bar m {} {MenuItem i {label {La", "itemname=menudir0..\"La"},
        {"Fl_Menu_Bar m {} {MenuItem i {callback {cb", "itemcallback=cb"},
        {"Fl_Menu_Bar m {} {Submenu s {label {Su", "menudir1=menudir0..\"Su"},
        {"Fl_Box b {label {a\\", "b:label(\"a\\"},
    };
    for (const auto& [body, tail] : cases) {
        FluacRun run = TranslateText(kHeader + "Function {f()} {} {\n" + body);
        EXPECT_EQ(run.status, 0) << body;
        EXPECT_TRUE(EndsWith(run.output, tail + kRun)) << body << "\n---\n" << run.output;
        EXPECT_NE(run.errors.find("syntax error; the Lua script is incomplete"), std::string::npos) << body;
    }
}

}  // namespace
