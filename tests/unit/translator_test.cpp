// Pieces of the translator that a golden file shows only one value of.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>

#include <memory>

#include "output/emit.h"
#include "translator/actions.h"
#include "translator/constants.h"
#include "translator/context.h"

namespace {

TEST(Constants, WidgetTypeWords) {
    EXPECT_EQ(FluidConstantToNumber("Radio"), 102);
    EXPECT_EQ(FluidConstantToNumber("Toggle"), 1);
    EXPECT_EQ(FluidConstantToNumber("Normal"), 0);
    EXPECT_EQ(FluidConstantToNumber("normal"), 0);
    EXPECT_EQ(FluidConstantToNumber("vertical"), -1);
    EXPECT_EQ(FluidConstantToNumber(""), -1);
    EXPECT_EQ(FluidConstantToNumber("Horz_Fill"), 3);
    EXPECT_EQ(FluidConstantToNumber("Horz"), -1);
    EXPECT_EQ(FluidConstantToNumber("Vert_Fill"), 2);
    EXPECT_EQ(FluidConstantToNumber("Double"), -1);
    EXPECT_EQ(FluidConstantToNumber("HORIZONTAL"), 1);
    EXPECT_EQ(FluidConstantToNumber("Horizontal"), 1);
    EXPECT_EQ(FluidConstantToNumber("popup3"), 3);
    EXPECT_EQ(FluidConstantToNumber("popup12"), 4);
    EXPECT_EQ(FluidConstantToNumber("popup23"), 5);
    EXPECT_EQ(FluidConstantToNumber("popup13"), 6);
    EXPECT_EQ(FluidConstantToNumber("popup123"), 7);
    EXPECT_EQ(FluidConstantToNumber("BOTH"), 0);
    EXPECT_EQ(FluidConstantToNumber("BOTH_ALWAYS"), 7);
    EXPECT_EQ(FluidConstantToNumber("Secret"), 5);
    EXPECT_EQ(FluidConstantToNumber("Multiline"), 4);
    EXPECT_EQ(FluidConstantToNumber("Radio "), -1);
}

TEST(Constants, MenuItemTypeWords) {
    EXPECT_EQ(FluidMenuConstantToNumber("Toggle"), 2);
    EXPECT_EQ(FluidMenuConstantToNumber("Radio"), 8);
    EXPECT_EQ(FluidMenuConstantToNumber("radio"), 0);
    EXPECT_EQ(FluidMenuConstantToNumber("Normal"), 0);
    EXPECT_EQ(FluidMenuConstantToNumber(""), 0);
}

// Runs an action on a fresh context with its token set to token and
// returns what it wrote.
class ActionTest : public ::testing::Test {
protected:
    void SetUp() override {
        out_ = open_memstream(&buffer_, &size_);
        ctx_ = std::make_unique<Context>(nullptr, out_, Mode{});
    }
    void TearDown() override {
        ctx_.reset();
        fclose(out_);
        free(buffer_);
    }
    Context& ctx() { return *ctx_; }
    std::string Run(void (*action)(Context&), std::string token = "") {
        token_ = token;
        ctx_->scanner.text = token_.data();
        ctx_->scanner.leng = static_cast<int>(token_.size());
        ctx_->out.Flush();
        fflush(out_);
        size_t before = size_;
        action(*ctx_);
        ctx_->out.Flush();
        fflush(out_);
        return std::string(buffer_ + before, size_ - before);
    }

private:
    FILE* out_ = nullptr;
    char* buffer_ = nullptr;
    size_t size_ = 0;
    std::string token_;
    std::unique_ptr<Context> ctx_;
};

TEST_F(ActionTest, ShortcutTakesTheLow32BitsOfAnyNumberOfHexDigits) {
    const std::pair<const char*, int> cases[] = {
        {"0x4006f", 262255},
        {"0x71", 0x71},
        {"0x0000000000000071", 0x71},
        {"0xffffffff", -1},
        {"0x7fffffff", INT_MAX},
        {"0x80000000", INT_MIN},
        {"0x1ffffffff", -1},
        {"0x123456789abcdef0123456789abcdef012345678", 0x12345678},
    };
    for (auto [hex, value] : cases) {
        Run(TakeItemShortcut, hex);
        EXPECT_EQ(ctx().menu.itemShortcut, value) << hex;
    }
}

// Templates are split at compile time; holes may stand anywhere, side by side,
// and what fills them is never read as a template.
std::string gHoleText = "a%d";
char gHoleWord[] = "w";

TEST_F(ActionTest, TemplateHolesAtEveryPosition) {
    EXPECT_EQ(Run([](Context& c) { Emit(c.out, "no holes\n"); }), "no holes\n");
    EXPECT_EQ(Run([](Context& c) { Emit(c.out, "%s%d%s", gHoleText, static_cast<std::int8_t>(-128), gHoleWord); }), "a%d-128w");
    EXPECT_EQ(Run([](Context& c) { Emit(c.out, "%d", -2147483647L - 1); }), "-2147483648");
    EXPECT_EQ(Run([](Context& c) { Emit(c.out, "(%s)(%s)", std::string(), gHoleWord); }), "()(w)");
}

TEST_F(ActionTest, RectangleNumbersClampToTheIntRange) {
    Run(TakeRectX, "007");
    Run(TakeRectY, "-5");
    Run(TakeRectW, "123456789012345678901234567890");
    Run(TakeRectH, "-99999999999");
    ctx().widget.identifier = "w";
    EXPECT_EQ(Run(EmitResize), "w:resize(7,-5,2147483647,-2147483648)\n");
    EXPECT_EQ(Run(EmitSizeRange), "w:size_range(7,-5,2147483647,-2147483648)\n");
}

TEST_F(ActionTest, TextFromTheInputIsNeverAFormat) {
    ctx().widget.identifier = "a%sb%d";
    EXPECT_EQ(Run([](Context& c) { EmitIntegerCall(c, "labelsize"); }, "14"), "a%sb%d:labelsize(14)\n");
    EXPECT_EQ(Run(ReportUnknownAttribute, "x%n"), "--unknown attribute: x%n\n");
    EXPECT_EQ(Run(EmitTokenText, "make%d"), "make%d");
}

TEST_F(ActionTest, WidgetLevelDoesNotWrap) {
    ctx().widget.type = "Fl_Double_Window";
    ctx().widget.identifier = "outer";
    std::string shown;
    for (int i = 0; i < 300; ++i) Run(OpenWidget);
    for (int i = 0; i < 300; ++i) shown += Run(CloseWidget);
    EXPECT_EQ(shown, std::string() + [] {
        std::string ends;
        for (int i = 0; i < 300; ++i) ends += "end\n";
        return ends;
    }() + "outer:show()\n");
}

TEST_F(ActionTest, MenuDepthDoesNotWrap) {
    for (int i = 0; i < 129; ++i) Run(EnterSubmenu);
    EXPECT_EQ(Run(BeginSubmenuLabel), "menudir129=menudir128..\"");
    EXPECT_EQ(Run(BeginItemLabel), "itemname=menudir129..\"");
}

TEST_F(ActionTest, TypePairIsLookedUpJoined) {
    ctx().widget.identifier = "s";
    std::string written = Run(BeginTypePair, "Vert");
    written += Run(EndTypePair, "Fill");
    EXPECT_EQ(written, "s:type(2)\n");
    ctx().widget.ignoreType = 1;
    EXPECT_EQ(Run(BeginTypePair, "Vert") + Run(EndTypePair, "Fill") + Run(EmitType, "Double"), "");
}

}  // namespace

namespace {

// Writes pieces through a sink and returns what reached the file.
std::string ThroughSink(Sink sink, std::initializer_list<std::string_view> pieces, bool startMidLine = false,
                        std::string* captured = nullptr) {
    char* buffer = nullptr;
    size_t size = 0;
    FILE* out = open_memstream(&buffer, &size);
    auto output = std::make_unique<Output>(out);
    output->WriteText(startMidLine ? "x" : "\n");
    output->Flush();
    fflush(out);
    size_t before = size;
    output->BeginTextSink(sink);
    for (std::string_view piece : pieces) output->WriteText(piece);
    output->EndTextSink();
    output->Flush();
    if (captured) *captured = output->captured;
    output.reset();
    fclose(out);
    std::string written(buffer + before, size - before);
    free(buffer);
    return written;
}

TEST(Sinks, CommentLinesStayLineComments) {
    EXPECT_EQ(ThroughSink(Sink::Comment, {"decl ", "int x;\nint y;", "\n"}), "--decl int x;\n--int y;\n");
    // A line that is a comment already gets no second "--" ...
    EXPECT_EQ(ThroughSink(Sink::Comment, {"--unknown attribute: x\n"}), "--unknown attribute: x\n");
    // ... unless it would open a long comment, and nothing that follows "--" may.
    EXPECT_EQ(ThroughSink(Sink::Comment, {"--[[ old ]]\n"}), "----[[ old ]]\n");
    EXPECT_EQ(ThroughSink(Sink::Comment, {"[[", "x\n[y"}), "-- [[x\n-- [y");
    // Empty lines stay empty; text that continues a line gets no prefix.
    EXPECT_EQ(ThroughSink(Sink::Comment, {"a\n\nb"}), "--a\n\n--b");
    EXPECT_EQ(ThroughSink(Sink::Comment, {"tail\nnext"}, true), "tail\n--next");
}

TEST(Sinks, LuaStringsAreEscaped) {
    EXPECT_EQ(ThroughSink(Sink::LuaString, {"Say \"hi\"\\", "now\n\r\t", std::string_view("\x01\x7f\xc3\xa9", 4)}),
              "Say \\\"hi\\\"\\\\now\\n\\r\\t\\001\\127\xc3\xa9");
}

TEST(Sinks, CapturedAndDroppedTextNeverReachesTheFile) {
    std::string captured;
    EXPECT_EQ(ThroughSink(Sink::Capture, {"make", "_window", "()"}, false, &captured), "");
    EXPECT_EQ(captured, "make_window()");
    EXPECT_EQ(ThroughSink(Sink::Discard, {"\"i18n\".h"}), "");
}

TEST(Sinks, CommentedCallsKeepTheirTextValuesComments) {
    char* buffer = nullptr;
    size_t size = 0;
    FILE* out = open_memstream(&buffer, &size);
    auto output = std::make_unique<Output>(out);
    output->SetCallSink(Sink::Comment);
    output->WriteText("q:tooltip(\"");
    output->BeginTextSink(Sink::LuaString);  // as a label or tooltip in the layout-only mode
    output->WriteText("two\nlines");
    output->EndTextSink();
    output->WriteText("\")\n");
    output->SetCallSink(Sink::Script);
    output->Flush();
    output.reset();
    fclose(out);
    EXPECT_EQ(std::string(buffer, size), "--q:tooltip(\"two\n--lines\")\n");
    free(buffer);
}

}  // namespace
