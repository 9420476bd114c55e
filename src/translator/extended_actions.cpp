// Actions of the extended grammar: what the designer saves beyond the
// translated subset. C++ becomes Lua comments, never code; settings the
// binding has a call for become that call.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "scanner/output.h"
#include "scanner/scanner.h"
#include "translator/actions.h"
#include "translator/constants.h"
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

// A name that is no Lua name (a C++ expression, "a.b-c") gives the default
// name and stays as a comment.
void TakeName(const std::string& name) {
    if (IsLuaName(name)) return UseWidgetName(name);
    DefaultWidgetName();
    if (name.empty()) return;
    EnsureLineStart();
    Emit("--name %s\n", name);
}

// Window classes that a widget_class may name as its class.
bool IsWindowClass(const std::string& name) {
    return name == "Fl_Window" || name == "Fl_Double_Window" || name == "Fl_Single_Window" ||
           name == "Fl_Overlay_Window" || name == "Fl_Gl_Window";
}

// The calls on a widget_class of window-only settings: kept when the class
// is a window, comments otherwise.
std::string WindowCallsFor(const std::string& text, const std::string& name, bool window) {
    static const char* const kWindowOnly[] = {"set_modal()", "set_non_modal()", "clear_border()",
                                              "xclass(", "size_range(", "window():hotspot("};
    std::string out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        std::string line = text.substr(start, end - start);
        start = end;
        for (const char* call : kWindowOnly) {
            if (line.rfind(name + ":" + call, 0) != 0) continue;
            if (!window) {
                line = "--" + line;
            } else if (line.rfind(name + ":window():hotspot(", 0) == 0) {
                line.erase(name.size() + 1, sizeof "window():" - 1);
            }
            break;
        }
        out += line;
    }
    return out;
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

// after a class, an item keyword, "class" or "xclass": the next word is a name
void ReadNameNext() {
    ScanNameNext();
}

// widget_name, after a braced name or a class: after the "{" of a braced name
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

// class: after each word of its name ("class FL_EXPORT Name"); the next
// word is read as a name too, up to the "{"
void TakeClassWord() {
    if (!className.empty()) className += ' ';
    className += yytext;
    ScanNameNext();
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
// widgets, or the window its "class" attribute names; the C++ class around
// it stays a comment. That attribute may come last, so the calls of the
// attribute block are held back until it has been read.
void OpenWidgetClass() {
    EnsureLineStart();
    Emit("--widget_class %s\n", widgetIdentifier);
    widgetType = "Fl_Group";
    ignoreType = 1;  // its type names the window kind of the class, which the class attribute decides
    gClassAttribute.clear();
    BeginDivert();
}

// widget_class: after its attribute block
void EmitWidgetClass() {
    std::string calls = EndDivert();
    bool window = IsWindowClass(gClassAttribute);
    gInGroupClass = !window;
    if (window) widgetType = gClassAttribute;
    OpenGroup();
    WriteText(WindowCallsFor(calls, widgetIdentifier, window));
}

// widget_class: after its child block
void CloseWidgetClass() {
    CloseGroup();
    gInGroupClass = false;
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

// widget_name: after the "}" of a braced name
void TakeBracedName() {
    LeaveTextAfterBrace();
    TakeName(TidySignature(gCaptured));
}

// widget_name: after a name that is one word
void TakeNameWord() {
    TakeName(yytext);
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
    gClassAttribute = yytext;
    EnsureLineStart();
    Emit("--class %s\n", gClassAttribute);
}

// ... after its "}" when it is braced ("class {Foo< short >}")
void EmitBracedClassAttribute() {
    LeaveTextAfterBrace();
    gClassAttribute = TidySignature(gCaptured);
    EnsureLineStart();
    Emit("--class %s\n", gClassAttribute);
}

// attribute: after shortcut and its number
void EmitShortcut() {
    Emit("%s:shortcut(%d)\n", widgetIdentifier, HexToInt32(yytext));
}

void EmitShortcutNumber() {
    Emit("%s:shortcut(%d)\n", widgetIdentifier, DecimalToInt(yytext));
}

// attribute: hotspot, on the window itself or on the window of the widget;
// in a widget class that is a group no window holds the widget yet, so the
// call stays a comment
void EmitHotspot() {
    if (widgetType.find("Window") != std::string::npos)
        Emit("%s:hotspot(%s)\n", widgetIdentifier, widgetIdentifier);
    else
        Emit("%s%s:window():hotspot(%s)\n", gInGroupClass ? "--" : "", widgetIdentifier,
             widgetIdentifier);
}

void EmitModal() { Emit("%s:set_modal()\n", widgetIdentifier); }
void EmitNonModal() { Emit("%s:set_non_modal()\n", widgetIdentifier); }
void EmitNoborder() { Emit("%s:clear_border()\n", widgetIdentifier); }
void EmitDeactivate() { Emit("%s:deactivate()\n", widgetIdentifier); }
void EmitHide() { Emit("%s:hide()\n", widgetIdentifier); }

// attribute: after the word of xclass
void EmitXclass() {
    Emit("%s:xclass(\"", widgetIdentifier);
    BeginTextSink(Sink::LuaString);
    WriteText(yytext);
    EndTextSink();
    Emit("\")\n");
}

// ... after its "}" when it is braced
void EmitBracedXclass() {
    LeaveTextAfterBrace();
    Emit("%s:xclass(\"", widgetIdentifier);
    BeginTextSink(Sink::LuaString);
    WriteText(gCaptured);
    EndTextSink();
    Emit("\")\n");
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

// --- numbers, colours, box and label types --------------------------------------

// after the number of an attribute that FLTK takes as an integer: a decimal
// number becomes its integer part, as the designer reads it ("12.5" is 12)
void EmitIntegerCall(const char* method) {
    if (std::strpbrk(yytext, ".eE"))
        Emit("%s:%s(%d)\n", widgetIdentifier, method, DecimalToInt(yytext));
    else
        Emit("%s:%s(%s)\n", widgetIdentifier, method, yytext);
}

// after the number of a colour: the designer writes colours as signed 32-bit
// numbers, so -256 is 0xffffff00, an RGB colour
void EmitColorCall(const char* method) {
    if (!std::strpbrk(yytext, "-.eE")) {
        Emit("%s:%s(%s)\n", widgetIdentifier, method, yytext);
        return;
    }
    std::uint32_t color = ColorToUint32(yytext);
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08x", static_cast<unsigned>(color));
    Emit("%s:%s(%s)\n", widgetIdentifier, method, color > 0x7fffffffU ? hex : std::to_string(color));
}

// color_attribute: after the first number of an early file's colour pair,
// which the designer leaves unset when it is 47
void EmitOldColor() {
    if (DecimalToInt(yytext) != 47) EmitColorCall("color");
}

// after the word of box or down_box: a box type the designer does not know
// leaves the widget's own, and stays a comment
void EmitBoxCall(const char* method) {
    const char* comment = IsFluidBoxWord(yytext) ? "" : "--";
    Emit("%s%s:%s(fltk.FL_%s)\n", comment, widgetIdentifier, method, yytext);
}

void EmitLabeltypeCall() {
    const char* comment = IsFluidLabeltypeWord(yytext) ? "" : "--";
    Emit("%s%s:labeltype(fltk.FL_%s)\n", comment, widgetIdentifier, yytext);
}

// after the number of an attribute that FLTK takes as a floating-point number
void EmitNumberCall(const char* method) {
    Emit("%s:%s(%s)\n", widgetIdentifier, method, yytext);
}

// deimage_attribute: after the value's closing
void EndDeimage() {
    EndTextSink();
    Emit("\")\n%s:deimage(img)\n%s:redraw()\n", widgetIdentifier, widgetIdentifier);
}

// unknown_attribute: after a word that no rule reads
void TakeAttributeWord() {
    // Visibility and linkage of functions, declarations, classes and their
    // members; how the designer stores images in the C++; where a comment
    // goes; children placed relative to their widget_class.
    static constexpr std::string_view kCppOnly[] = {
        "private", "protected", "public", "local", "global", "static", "C",
        "compress_image", "bind_image", "bind_deimage", "in_source", "in_header",
        "position_relative"};
    for (std::string_view word : kCppOnly)
        if (word == yytext) return;
    ReportUnknownAttribute();
}

// --- menu entries ---------------------------------------------------------------------

namespace {

// The start of a menu entry's attribute block: the item slots are reset, and
// an entry without a name gets the variable its calls are made on.
void BeginEntry(bool submenu) {
    ResetMenuItemSettings();
    gMenuItemFlags = 0;
    gEntryCalls.clear();
    gEntryIsSubmenu = submenu;
    if (!widgetNamed) widgetIdentifier = "menuitem";
}

// The add call of an entry, and the calls on the entry after it. A named
// entry is a variable, as it is in the designer's C++.
void WriteEntryAdd(const std::string& path, int flags) {
    const bool variable = widgetNamed || !gEntryCalls.empty();
    if (variable) Emit("%s=%s:menu()[", widgetIdentifier, gCurrentMenubar);
    Emit("%s:add(%s,%d,%s,%s,%d)", gCurrentMenubar, path, gMenuItemShortcut, gMenuItemCallback,
         gMenuItemUserdata, flags);
    WriteText(variable ? "]\n" : "\n");
    WriteText(gEntryCalls);
    gEntryCalls.clear();
    // What follows the menu sees the name the entry had in the file.
    if (!widgetNamed) DefaultWidgetName();
}

// The path of the entry's own add: its label, or for an entry without one
// the prefix of its submenu (an empty entry there).
std::string EntryPath(long level) {
    if (std::string_view(gMenuItemName) == "itemname") return "itemname";
    return "menudir" + std::to_string(level);
}

}  // namespace

// submenu: after the "{" of its attributes
void BeginSubmenuEntry() {
    BeginEntry(true);
}

// menu_item: after the "{" of its attributes
void BeginItemEntry() {
    BeginEntry(false);
}

// menu_item: after CheckMenuItem or RadioMenuItem, an item of that type
void TakeMenuItemKind() {
    gMenuItemKind = std::string_view(yytext) == "CheckMenuItem" ? 0x02 : 0x08;
    ScanNameNext();
}

// entry_attribute: after label. The label is the last part of the entry's
// path for FLTK's add.
void BeginEntryLabel() {
    gMenuItemName = "itemname";
    Emit("itemname=menudir%d..\"", gEntryIsSubmenu ? gMenuLevel - 1 : gMenuLevel);
    BeginTextSink(gLayoutOnly ? Sink::MenuLabelString : Sink::MenuLabel);
}

// entry_attribute: around a call on the entry, which is written once the
// entry exists
void BeginEntryCall() {
    BeginDivert();
}

void EndEntryCall() {
    gEntryCalls += EndDivert();
}

// entry_attribute: around a widget attribute that a menu entry does not have
void BeginEntryComment() {
    SetCallSink(Sink::Comment);
}

void EndEntryComment() {
    SetCallSink(Sink::Script);
}

// entry_call: after the value's closing of an entry's image
void EndEntryImage() {
    EndTextSink();
    Emit("\")\n%s:image(img)\n", widgetIdentifier);
}

// entry_attribute: a decimal shortcut, as early files write it
void TakeItemShortcutNumber() {
    gMenuItemShortcut = DecimalToInt(yytext);
}

// entry_attribute: a numeric type is a set of the item's flags
void TakeItemTypeNumber() {
    gMenuItemFlags |= DecimalToInt(yytext);
}

// entry_attribute: value, the state of a toggle or radio item
void TakeItemValue() {
    if (std::strtod(yytext, nullptr) != 0) gMenuItemFlags |= 0x04;
}

// entry_attribute: divider, deactivate, hide
void SetItemFlag(int flag) {
    gMenuItemFlags |= flag;
}

// menu_item: after its "}"
void EmitEntryAdd() {
    WriteEntryAdd(EntryPath(gMenuLevel), gMenuItemType | gMenuItemFlags | gMenuItemKind);
    gMenuItemKind = 0;
}

// submenu: after the "}" of its attributes: the submenu is added, and its
// path becomes the prefix of its entries. Of the flags only divider,
// deactivate and hide apply to a submenu.
void EmitSubmenuAdd() {
    const std::string path = EntryPath(gMenuLevel - 1);
    WriteEntryAdd(path, 0x40 | (gMenuItemFlags & (0x80 | 0x10 | 0x01)));
    Emit("menudir%d=%s..\"/\"\n", gMenuLevel, path);
}
