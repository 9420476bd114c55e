// Actions of the extended grammar: what the designer saves beyond the
// translated subset. C++ becomes Lua comments, never code; settings the
// binding has a call for become that call.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "scanner/output.h"
#include "scanner/scanner.h"
#include "translator/actions.h"
#include "translator/emit.h"
#include "translator/numbers.h"
#include "translator/extended_actions.h"
#include "translator/state.h"

namespace {

// Whitespace runs become one space, none stays next to a parenthesis or at
// either end: "make_window ( )" reads "make_window()".
std::string TidySignature(const std::string& text) {
    std::string out;
    bool space = false;
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            space = true;
            continue;
        }
        bool tight = out.empty() || c == '(' || c == ')' || out.back() == '(';
        if (space && !tight) out += ' ';
        space = false;
        out += c;
    }
    return out;
}

bool IsLuaName(const std::string& text) {
    if (text.empty() || std::isdigit(static_cast<unsigned char>(text[0]))) return false;
    for (char c : text)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    return true;
}

void EnsureLineStart() {
    if (!AtLineStart()) Emit("\n");
}


}  // namespace

// top_entry, submenu_attribute: after a keyword whose text is dropped
void BeginDroppedText() {
    BeginTextSink(Sink::Discard);
}

// ... and after that text's closing
void EndDroppedText() {
    EndTextSink();
}

// skipped_block, unknown_value_opt: after the "{" of a block read as text and dropped
void BeginSkippedBlock() {
    EnterTextAfterBrace(Sink::Discard);
}

// ... after its "}"
void EndSkippedBlock() {
    LeaveTextAfterBrace();
}

// comments, declarations and other C++: after the keyword, the text follows
// as Lua comment lines
void BeginCommentLine(const char* prefix) {
    EnsureLineStart();
    BeginTextSink(Sink::Comment);
    WriteText(prefix);
}

// ... after the text's closing
void EndCommentLine() {
    EndTextSink();
    EnsureLineStart();
}

// codeblock, declblock: after the block's items
void EmitCommentLine(const char* text) {
    EnsureLineStart();
    Emit("--%s\n", text);
}

// widget_name: after the "{" of a braced name
void BeginCapturedText() {
    gCaptured.clear();
    EnterTextAfterBrace(Sink::Capture);
}

// function_item: after the "{" after Function
void BeginFunctionName() {
    BeginCapturedText();
}

// function_item: after the name's "}"
void EmitFunctionName() {
    LeaveTextAfterBrace();
    std::string name = TidySignature(gCaptured);
    if (name.empty()) name = "main()";
    Emit("--function %s\n", name);
}

// function_item, code item: after the "{" of the attribute block. Without
// callbacks and code the calls there have no widget to act on.
void BeginItemAttributes() {
    if (gLayoutOnly) SetCallSink(Sink::Comment);
}

// ... after its "}"
void EndItemAttributes() {
    SetCallSink(Sink::Script);
}

// data: after its name
void EmitDataComment() {
    EnsureLineStart();
    Emit("--data %s\n", yytext);
}

// class: after each word of its name ("class FL_EXPORT Name")
void TakeClassWord() {
    if (!className.empty()) className += ' ';
    className += yytext;
}

// class: after its name
void EmitClassComment() {
    EnsureLineStart();
    Emit("--class %s\n", className);
    openClasses.push_back(className);
    className.clear();
}

// class: after its members
void EmitClassEnd() {
    EnsureLineStart();
    Emit("--end of class %s\n", openClasses.empty() ? std::string() : openClasses.back());
    if (!openClasses.empty()) openClasses.pop_back();
}

// widget_class: after its name. The class becomes a group that holds its
// widgets; the C++ class around it stays a comment.
void OpenWidgetClass() {
    EnsureLineStart();
    Emit("--widget_class %s\n", widgetIdentifier);
    widgetType = "Fl_Group";
    ignoreType = 1;  // its type names the window kind of the class, which a group has not
    OpenGroup();
}

// widget_class: after a braced class name of the toolkit's second
// generation ("{fltk::Button}"), which has a first-generation twin
void TakeBracedClass() {
    std::string name(yytext + 1, static_cast<size_t>(yyleng) - 2);
    if (name.rfind("fltk::", 0) == 0) {
        name = name.substr(6);
        if (name == "InvisibleBox") name = "Box";
        if (name == "Window") {
            UseImplicitWindow();
            return;
        }
        name = "Fl_" + name;
    }
    widgetType = name;
}

// widget_name: after the "}" of a braced name. A name that is no Lua name
// (a C++ expression) gives the default name and stays as a comment.
void TakeBracedName() {
    LeaveTextAfterBrace();
    std::string name = TidySignature(gCaptured);
    if (name.empty()) {
        DefaultWidgetName();
    } else if (IsLuaName(name)) {
        widgetIdentifier = name;
    } else {
        DefaultWidgetName();
        EnsureLineStart();
        Emit("--name %s\n", name);
    }
}

// child_block: a widget's children are menu entries ("Fl_Choice")
void BeginMenuBody() {
    gCurrentMenubar = widgetIdentifier;
    Emit("menudir0=\"\"\n");
}

// attribute: after a widget's user_data, a C++ expression
void BeginWidgetUserdata() {
    BeginCommentLine("user_data ");
}

// attribute: after the word of class, the C++ class the widget really is
void EmitClassAttribute() {
    EnsureLineStart();
    Emit("--class %s\n", yytext);
}

// attribute: after shortcut and its number
void EmitShortcut() {
    Emit("%s:shortcut(%d)\n", widgetIdentifier, HexToInt32(yytext));
}

void EmitShortcutNumber() {
    Emit("%s:shortcut(%d)\n", widgetIdentifier, DecimalToInt(yytext));
}

// attribute: hotspot, on the window itself or on the window of the widget
void EmitHotspot() {
    if (widgetType.find("Window") != std::string::npos)
        Emit("%s:hotspot(%s)\n", widgetIdentifier, widgetIdentifier);
    else
        Emit("%s:window():hotspot(%s)\n", widgetIdentifier, widgetIdentifier);
}

void EmitModal() { Emit("%s:set_modal()\n", widgetIdentifier); }
void EmitNonModal() { Emit("%s:set_non_modal()\n", widgetIdentifier); }
void EmitNoborder() { Emit("%s:clear_border()\n", widgetIdentifier); }
void EmitDeactivate() { Emit("%s:deactivate()\n", widgetIdentifier); }
void EmitHide() { Emit("%s:hide()\n", widgetIdentifier); }

// attribute: after the word of xclass
void EmitXclass() {
    Emit("%s:xclass(\"%s\")\n", widgetIdentifier, yytext);
}

// The numbers that early files write where later ones write words.
void EmitTypeNumber() {
    if (ignoreType) return;
    Emit("%s:type(%s)\n", widgetIdentifier, yytext);
}
void EmitBoxNumber() { Emit("%s:box(%s)\n", widgetIdentifier, yytext); }
void EmitDownBoxNumber() { Emit("%s:down_box(%s)\n", widgetIdentifier, yytext); }
void EmitLabeltypeNumber() { Emit("%s:labeltype(%s)\n", widgetIdentifier, yytext); }

// value_attribute: after the "{" of a text value (an input's text)
void BeginTextValue() {
    Emit("%s:value(\"", widgetIdentifier);
    EnterTextAfterBrace(gLayoutOnly ? Sink::LuaString : Sink::Script);
}

// ... after its "}"
void EndTextValue() {
    LeaveTextAfterBrace();
    Emit("\")\n");
}

// menu entries: around an attribute that is a call on the entry's name,
// which no script defines; without callbacks and code it stays a comment
void BeginEntryCall() {
    if (gLayoutOnly) SetCallSink(Sink::Comment);
}

void EndEntryCall() {
    SetCallSink(Sink::Script);
}

// menu_item_attribute: a decimal shortcut, as early files write it
void TakeItemShortcutNumber() {
    gMenuItemShortcut = DecimalToInt(yytext);
}

// menu_item_attribute: a numeric type is a set of the item's flags
void TakeItemTypeNumber() {
    gMenuItemFlags |= DecimalToInt(yytext);
}

// menu_item_attribute: divider, deactivate, hide
void SetItemFlag(int flag) {
    gMenuItemFlags |= flag;
}

// menu_item: after its "}": the flags join those of the type word, in
// whatever order the attributes came
void ApplyItemFlags() {
    gMenuItemType |= gMenuItemFlags;
    gMenuItemFlags = 0;
}
