// The scanner on its own: tokens, yytext, and what each call writes.
#include <gtest/gtest.h>

#include <string>

#include "lex_driver.h"
#include "scanner/scanner.h"

namespace {

struct Case {
    const char* input;
    const char* tokens;  // Describe() of the calls
};

// Both scanners flex makes: the one for files and the one for a terminal.
template <size_t N>
void ExpectScans(const Case (&cases)[N]) {
    for (const Case& c : cases) {
        EXPECT_EQ(Describe(ScanAll(c.input)), c.tokens) << "input: " << c.input;
        EXPECT_EQ(Describe(ScanAll(c.input, nullptr, true)), c.tokens) << "terminal's scanner, input: " << c.input;
    }
}

TEST(Scanner, TextValuesInTheirThreeForms) {
    const Case cases[] = {
        {"label {Go now}", "LABEL TEXT3[Go now] }"},
        {"tooltip Start\n", "TOOLTIP TEXT[Start] }"},
        {"code {a=1;} {}", "CODE { TEXT4[a=1;] } { }"},
        {"callback {if (x) {y();}}", "CALLBACK TEXT12[if (x) {y();}] }"},
        {"xywh {10 20 100 25}", "XYWH { NUMBER NUMBER NUMBER NUMBER }"},
        {"label  {x}", "LABEL } { WORD }"},
        {"code\n{\n}", "CODE TEXT[\\n] { TEXT[\\n] }"},
        {"code  \t{x}", "CODE TEXT[\\t] { TEXT[x] }"},
        {"image {a.png}", "IMAGE TEXT3[a.png] }"},
        {"user_data 7 x", "USER_DATA TEXT[7] } WORD"},
        {"code2 {a\tb}", "CODE_N TEXT3[a\\tb] }"},
        {"code3 x;\n", "CODE_N TEXT[x] TEXT[;] }"},
        // A tab never ends a one-word value.
        {"label a\tb c", "LABEL TEXT[a] TEXT[\\t] TEXT[b] } WORD"},
        // Keyword forms inside text are one copied lexeme; their brace is not counted.
        {"label {label {x} y}", "LABEL TEXT2[label {x] } WORD }"},
        {"label {Fl_Window code type 12 -3.5 0xff}", "LABEL TEXT11[Fl_Window code type 12 -3.5 0xff] }"},
        {"label {100%d}", "LABEL TEXT3[100%d] }"},
    };
    ExpectScans(cases);
}

TEST(Scanner, TheSpaceOrNewlineEndingAOneWordValueIsItsRbrace) {
    auto calls = ScanAll("label Hello open");
    ASSERT_EQ(Describe(calls), "LABEL TEXT[Hello] } OPEN");
    EXPECT_EQ(calls[0].text, "label ");
    EXPECT_EQ(calls[2].text, " ");
    calls = ScanAll("callback on_ok\nx");
    ASSERT_EQ(Describe(calls), "CALLBACK TEXT[on_ok] } WORD");
    EXPECT_EQ(calls[2].text, "\n");
}

TEST(Scanner, BracesAgainstTheCounters) {
    const Case cases[] = {
        // breakOnWhiteSpace outlives a one-word value that a "}" ended: the
        // braced label after it ends at its first space.
        {"Fl_Button {tooltip a}label {x y}}",
         "FL_BUTTON { TOOLTIP TEXT[a] } LABEL TEXT[x] } WORD } }"},
        // Inside a one-word value a "{" that does not rise above brackStart + 1 is the token "{".
        {"label a{b c", "LABEL TEXT[a] { TEXT[b] } WORD"},
        // A "#" line swallows braces, in text mode and out of it.
        {"code0 {#x}\n}", "CODE_N TEXT2[#x}\\n] }"},
        {"# {\n}", "COMMENT }"},
    };
    ExpectScans(cases);

    ScanEnd end;
    ScanAll("label a{b c", &end);
    EXPECT_EQ(end.brackLevel, 1);
    ScanAll("Fl_Button {} {label {x}}", &end);
    EXPECT_EQ(end.brackLevel, -1);
    // A later braced value is measured from its own start.
    EXPECT_EQ(Describe(ScanAll("Fl_Button {} {label {x}} label {{y}}")),
              "FL_BUTTON { } { LABEL TEXT[x] } } LABEL TEXT3[{y}] }");
}

TEST(Scanner, EndOfInputInsideAValueLeavesTextModeOn) {
    ScanEnd end;
    auto calls = ScanAll("label {a b", &end);
    EXPECT_EQ(Describe(calls), "LABEL TEXT3[a b]");
    EXPECT_EQ(calls.back().token, 0);
    EXPECT_EQ(end.pureText, 1);
    // "version" in text swallows the rest of the line, closing brace included.
    end = {};
    EXPECT_EQ(Describe(ScanAll("label {a version 2}", &end)), "LABEL TEXT3[a version 2}]");
    EXPECT_EQ(end.pureText, 1);
}

TEST(Scanner, WholeLineForms) {
    const Case cases[] = {
        {"# data file\nversion 1.0303 \nheader_name {.h}\ncode_name {.cxx}\n",
         "COMMENT VERSION HEADER_NAME CODE_NAME"},
        {"version\n", "WORD"},
        {"versionx\n", "VERSION"},
        {"#\n", "TEXT[#]"},
        {"#", "TEXT[#]"},
        {"label {a #b}\n}", "LABEL TEXT4[a #b}\\n] }"},
    };
    ExpectScans(cases);
    auto calls = ScanAll("header_name {.h}\n");
    EXPECT_EQ(calls[0].text, "header_name {.h}");
}

TEST(Scanner, KeywordsAgainstWords) {
    const Case cases[] = {
        {"code", "CODE"},
        {"codes", "WORD"},
        {"code4 {x}", "WORD { WORD }"},
        {"Fl_Windows Fl_Window Fl_Double_Window", "WORD FL_WINDOW WORD"},
        {"types type Function function", "WORD TYPE FUNCTION WORD"},
        {"label\nx", "WORD WORD"},
        {"label\tx", "WORD WORD"},
        {"image x", "WORD WORD"},
        {"box down_box labelcolor color selection_color textcolor",
         "BOX DOWN_BOX LABELCOLOR COLOR SELECTION_COLOR TEXTCOLOR"},
        {"Fl_Button Fl_Input Fl_Value_Input Fl_Browser Fl_Check_Button Fl_Text_Display Fl_Output",
         "FL_BUTTON FL_INPUT FL_VALUE_INPUT FL_BROWSER FL_CHECK_BUTTON FL_TEXT_DISPLAY FL_OUTPUT"},
        {"Fl_Group Fl_Menu_Bar Submenu MenuItem user_data {x} shortcut",
         "FL_GROUP FL_MENU_BAR SUBMENU MENUITEM USER_DATA TEXT[x] } SHORTCUT"},
        {"open selected visible xywh maximum minimum step value", "OPEN SELECTED VISIBLE XYWH MAXIMUM MINIMUM STEP VALUE"},
        {"labelsize textsize align when resizable size_range textfont labeltype labelfont",
         "LABELSIZE TEXTSIZE ALIGN WHEN RESIZABLE SIZE_RANGE TEXTFONT LABELTYPE LABELFONT"},
        {"( )", "( )"},
    };
    ExpectScans(cases);
}

TEST(Scanner, Numbers) {
    const Case cases[] = {
        {"-", "TEXT[-]"},
        {"-7", "NUMBER"},
        {"-2.5", "FLOAT"},
        {"1.", "NUMBER TEXT[.]"},
        {"0x1F", "HEX WORD"},
        {"0xg", "NUMBER WORD"},
        {"0x", "NUMBER WORD"},
        {"007 1.50", "NUMBER FLOAT"},
    };
    ExpectScans(cases);
    auto calls = ScanAll("0x1F");
    EXPECT_EQ(calls[0].text, "0x1");
    EXPECT_EQ(calls[1].text, "F");
}

TEST(Scanner, BracketAndBackslashWordsAgainstTheEscapes) {
    const Case cases[] = {
        {"[abc", "WORD"},
        {"\\abc", "WORD"},
        {"\\", "WORD"},
        {"^x `y ]", "WORD WORD WORD"},
        // The escapes write outside text mode too, in the call that returns the next token.
        {"\\# x", "WORD[#]"},
        {"\\\\x", "WORD[\\]"},
        // An escape just before a value's closing brace is written before its "}" comes back.
        {"label {a\\#}", "LABEL TEXT[a#] }"},
    };
    ExpectScans(cases);

    auto calls = ScanAll("label {a\\#b\\\\c}");
    EXPECT_EQ(Describe(calls), "LABEL TEXT3[a#b\\c] }");
    EXPECT_EQ(calls[2].text, "}");
    EXPECT_EQ(WrittenInTotal(calls), "a#b\\c");
}

TEST(Scanner, StrayAndControlCharacters) {
    using namespace std::string_literals;
    const Case cases[] = {
        {"x;y", "WORD TEXT[;] WORD"},
        {"\"q.\"", "TEXT[\"] WORD TEXT[.] TEXT[\"]"},
        {"a\rb", "WORD TEXT[\\r] WORD"},
        {"label {a\r\nb}", "LABEL TEXT4[a\\r\\nb] }"},
        {"a \t\n b", "WORD WORD"},
        {"\xc3\xa9", "TEXT[\xc3] TEXT[\xa9]"},
    };
    ExpectScans(cases);

    // A NUL byte is a character of its own and writes nothing.
    auto calls = ScanAll("a\0b"s);
    EXPECT_EQ(Describe(calls), "WORD TEXT WORD");
    EXPECT_EQ(calls[1].text, std::string(1, '\0'));
    // Inside a longer lexeme it ends what is written of it.
    calls = ScanAll("label {#a\0b\n}"s);
    EXPECT_EQ(WrittenInTotal(calls), "#a\n");
}

TEST(Scanner, ALexemeLargerThanTheFirstBufferComesBackWhole) {
    const std::string line = "#" + std::string(5 << 20, 'x');
    auto calls = ScanAll("callback " + line + "\n");
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[1].text, line);
    EXPECT_EQ(calls[1].written, line);
    EXPECT_EQ(calls[2].text, "\n");

    const std::string word(3 << 20, 'w');
    calls = ScanAll(word + " " + word);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].text, word);
    EXPECT_EQ(calls[1].text, word);
}

}  // namespace
