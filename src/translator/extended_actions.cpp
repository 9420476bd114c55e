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

#include "translator/actions.h"
#include "translator/constants.h"
#include "output/emit.h"
#include "translator/numbers.h"
#include "translator/extended_actions.h"
#include "translator/context.h"

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

void EnsureLineStart(Context& ctx) {
    if (!ctx.out.AtLineStart()) Emit(ctx.out, "\n");
}

// A name that is no Lua name (a C++ expression, "a.b-c") gives the default
// name and stays as a comment.
void TakeName(Context& ctx, const std::string& name) {
    if (IsLuaName(name)) return UseWidgetName(ctx, name);
    DefaultWidgetName(ctx);
    if (name.empty()) return;
    EnsureLineStart(ctx);
    Emit(ctx.out, "--name %s\n", name);
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
void BeginDroppedText(Context& ctx) {
    ctx.out.BeginTextSink(Sink::Discard);
}

// ... and after that text's closing
void EndDroppedText(Context& ctx) {
    ctx.out.EndTextSink();
}

// skipped_block, unknown_value_opt: after the "{" of a block read as text and dropped
void BeginSkippedBlock(Context& ctx) {
    ctx.scanner.EnterTextAfterBrace(Sink::Discard);
}

// ... after its "}"
void EndSkippedBlock(Context& ctx) {
    ctx.scanner.LeaveTextAfterBrace();
}

// comments, declarations and other C++: after the keyword, the text follows
// as Lua comment lines
void BeginCommentLine(Context& ctx, const char* prefix) {
    EnsureLineStart(ctx);
    ctx.out.BeginTextSink(Sink::Comment);
    ctx.out.WriteText(prefix);
}

// ... after the text's closing
void EndCommentLine(Context& ctx) {
    ctx.out.EndTextSink();
    EnsureLineStart(ctx);
}

// codeblock, declblock: after the block's items
void EmitCommentLine(Context& ctx, const char* text) {
    EnsureLineStart(ctx);
    Emit(ctx.out, "--%s\n", text);
}

// after a class, an item keyword, "class" or "xclass": the next word is a name
void ReadNameNext(Context& ctx) {
    ctx.scanner.ScanNameNext();
}

// widget_name, after a braced name or a class: after the "{" of a braced name
void BeginCapturedText(Context& ctx) {
    ctx.out.captured.clear();
    ctx.scanner.EnterTextAfterBrace(Sink::Capture);
}

// function_item: after the "{" after Function
void BeginFunctionName(Context& ctx) {
    BeginCapturedText(ctx);
}

// function_item: after the name's "}"
void EmitFunctionName(Context& ctx) {
    ctx.scanner.LeaveTextAfterBrace();
    std::string name = TidySignature(ctx.out.captured);
    if (name.empty()) name = "main()";
    Emit(ctx.out, "--function %s\n", name);
}

// function_item, code item: after the "{" of the attribute block. Without
// callbacks and code the calls there have no widget to act on.
void BeginItemAttributes(Context& ctx) {
    if (ctx.mode.layoutOnly) ctx.out.SetCallSink(Sink::Comment);
}

// ... after its "}"
void EndItemAttributes(Context& ctx) {
    ctx.out.SetCallSink(Sink::Script);
}

// data: after its name
void EmitDataComment(Context& ctx) {
    EnsureLineStart(ctx);
    Emit(ctx.out, "--data %s\n", ctx.Text());
}

// class: after each word of its name ("class FL_EXPORT Name"); the next
// word is read as a name too, up to the "{"
void TakeClassWord(Context& ctx) {
    if (!ctx.classes.name.empty()) ctx.classes.name += ' ';
    ctx.classes.name += ctx.Text();
    ctx.scanner.ScanNameNext();
}

// class: after its name
void EmitClassComment(Context& ctx) {
    EnsureLineStart(ctx);
    Emit(ctx.out, "--class %s\n", ctx.classes.name);
    ctx.classes.open.push_back(ctx.classes.name);
    ctx.classes.name.clear();
}

// class: after its members
void EmitClassEnd(Context& ctx) {
    EnsureLineStart(ctx);
    Emit(ctx.out, "--end of class %s\n", ctx.classes.open.empty() ? std::string() : ctx.classes.open.back());
    if (!ctx.classes.open.empty()) ctx.classes.open.pop_back();
}

// widget_class: after its name. The class becomes a group that holds its
// widgets, or the window its "class" attribute names; the C++ class around
// it stays a comment. That attribute may come last, so the calls of the
// attribute block are held back until it has been read.
void OpenWidgetClass(Context& ctx) {
    EnsureLineStart(ctx);
    Emit(ctx.out, "--widget_class %s\n", ctx.widget.identifier);
    ctx.widget.type = "Fl_Group";
    // Its type names the window kind of the class, which the class attribute decides.
    ctx.widget.ignoreType = 1;
    ctx.classes.attribute.clear();
    ctx.out.BeginDivert();
}

// widget_class: after its attribute block
void EmitWidgetClass(Context& ctx) {
    std::string calls = ctx.out.EndDivert();
    bool window = IsWindowClass(ctx.classes.attribute);
    ctx.classes.inGroupClass = !window;
    if (window) ctx.widget.type = ctx.classes.attribute;
    OpenGroup(ctx);
    ctx.out.WriteDiverted(WindowCallsFor(calls, ctx.widget.identifier, window));
}

// widget_class: after its child block
void CloseWidgetClass(Context& ctx) {
    CloseGroup(ctx);
    ctx.classes.inGroupClass = false;
}

// widget_class: after a braced class name of the toolkit's second
// generation ("{fltk::Button}"), which has a first-generation twin
void TakeBracedClass(Context& ctx) {
    std::string name(ctx.Text() + 1, static_cast<size_t>(ctx.scanner.leng) - 2);
    if (name.rfind("fltk::", 0) == 0) {
        name = name.substr(6);
        if (name == "InvisibleBox") name = "Box";
        if (name == "Window") {
            UseImplicitWindow(ctx);
            return;
        }
        name = "Fl_" + name;
    }
    ctx.widget.type = name;
}

// widget_name: after the "}" of a braced name
void TakeBracedName(Context& ctx) {
    ctx.scanner.LeaveTextAfterBrace();
    TakeName(ctx, TidySignature(ctx.out.captured));
}

// widget_name: after a name that is one word
void TakeNameWord(Context& ctx) {
    TakeName(ctx, ctx.Text());
}

// child_block: a widget's children are menu entries ("Fl_Choice")
void BeginMenuBody(Context& ctx) {
    ctx.menu.currentMenubar = ctx.widget.identifier;
    Emit(ctx.out, "menudir0=\"\"\n");
}

// attribute: after a widget's user_data, a C++ expression
void BeginWidgetUserdata(Context& ctx) {
    BeginCommentLine(ctx, "user_data ");
}

// attribute: after the word of class, the C++ class the widget really is
void EmitClassAttribute(Context& ctx) {
    ctx.classes.attribute = ctx.Text();
    EnsureLineStart(ctx);
    Emit(ctx.out, "--class %s\n", ctx.classes.attribute);
}

// ... after its "}" when it is braced ("class {Foo< short >}")
void EmitBracedClassAttribute(Context& ctx) {
    ctx.scanner.LeaveTextAfterBrace();
    ctx.classes.attribute = TidySignature(ctx.out.captured);
    EnsureLineStart(ctx);
    Emit(ctx.out, "--class %s\n", ctx.classes.attribute);
}

// attribute: after shortcut and its number
void EmitShortcut(Context& ctx) {
    Emit(ctx.out, "%s:shortcut(%d)\n", ctx.widget.identifier, HexToInt32(ctx.Text()));
}

void EmitShortcutNumber(Context& ctx) {
    Emit(ctx.out, "%s:shortcut(%d)\n", ctx.widget.identifier, DecimalToInt(ctx.Text()));
}

// attribute: hotspot, on the window itself or on the window of the widget;
// in a widget class that is a group no window holds the widget yet, so the
// call stays a comment
void EmitHotspot(Context& ctx) {
    const std::string& name = ctx.widget.identifier;
    if (ctx.widget.type.find("Window") != std::string::npos)
        Emit(ctx.out, "%s:hotspot(%s)\n", name, name);
    else
        Emit(ctx.out, "%s%s:window():hotspot(%s)\n", ctx.classes.inGroupClass ? "--" : "", name, name);
}

void EmitModal(Context& ctx) { Emit(ctx.out, "%s:set_modal()\n", ctx.widget.identifier); }
void EmitNonModal(Context& ctx) { Emit(ctx.out, "%s:set_non_modal()\n", ctx.widget.identifier); }
void EmitNoborder(Context& ctx) { Emit(ctx.out, "%s:clear_border()\n", ctx.widget.identifier); }
void EmitDeactivate(Context& ctx) { Emit(ctx.out, "%s:deactivate()\n", ctx.widget.identifier); }
void EmitHide(Context& ctx) { Emit(ctx.out, "%s:hide()\n", ctx.widget.identifier); }

// attribute: after the word of xclass
void EmitXclass(Context& ctx) {
    Emit(ctx.out, "%s:xclass(\"", ctx.widget.identifier);
    ctx.out.BeginTextSink(Sink::LuaString);
    ctx.out.WriteText(ctx.Text());
    ctx.out.EndTextSink();
    Emit(ctx.out, "\")\n");
}

// ... after its "}" when it is braced
void EmitBracedXclass(Context& ctx) {
    ctx.scanner.LeaveTextAfterBrace();
    Emit(ctx.out, "%s:xclass(\"", ctx.widget.identifier);
    ctx.out.BeginTextSink(Sink::LuaString);
    ctx.out.WriteText(ctx.out.captured);
    ctx.out.EndTextSink();
    Emit(ctx.out, "\")\n");
}

// The numbers that early files write where later ones write words.
void EmitTypeNumber(Context& ctx) {
    if (ctx.widget.ignoreType) return;
    Emit(ctx.out, "%s:type(%s)\n", ctx.widget.identifier, ctx.Text());
}
void EmitBoxNumber(Context& ctx) {
    Emit(ctx.out, "%s:box(%s)\n", ctx.widget.identifier, ctx.Text());
}
void EmitDownBoxNumber(Context& ctx) {
    Emit(ctx.out, "%s:down_box(%s)\n", ctx.widget.identifier, ctx.Text());
}
void EmitLabeltypeNumber(Context& ctx) {
    Emit(ctx.out, "%s:labeltype(%s)\n", ctx.widget.identifier, ctx.Text());
}

// value_attribute: after the "{" of a text value (an input's text)
void BeginTextValue(Context& ctx) {
    Emit(ctx.out, "%s:value(\"", ctx.widget.identifier);
    ctx.scanner.EnterTextAfterBrace(ctx.mode.layoutOnly ? Sink::LuaString : Sink::Script);
}

// ... after its "}"
void EndTextValue(Context& ctx) {
    ctx.scanner.LeaveTextAfterBrace();
    Emit(ctx.out, "\")\n");
}

// --- numbers, colours, box and label types --------------------------------------

// after the number of a colour: the designer writes colours as signed 32-bit
// numbers, so -256 is 0xffffff00, an RGB colour
void EmitColorCall(Context& ctx, const char* method) {
    if (!std::strpbrk(ctx.Text(), "-.eE")) {
        Emit(ctx.out, "%s:%s(%s)\n", ctx.widget.identifier, method, ctx.Text());
        return;
    }
    std::uint32_t color = ColorToUint32(ctx.Text());
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08x", static_cast<unsigned>(color));
    const std::string value = color > 0x7fffffffU ? hex : std::to_string(color);
    Emit(ctx.out, "%s:%s(%s)\n", ctx.widget.identifier, method, value);
}

// color_attribute: after the first number of an early file's colour pair,
// which the designer leaves unset when it is 47
void EmitOldColor(Context& ctx) {
    if (DecimalToInt(ctx.Text()) != 47) EmitColorCall(ctx, "color");
}

// after the word of box or down_box: a box type the designer does not know
// leaves the widget's own, and stays a comment
void EmitBoxCall(Context& ctx, const char* method) {
    const char* comment = IsFluidBoxWord(ctx.Text()) ? "" : "--";
    Emit(ctx.out, "%s%s:%s(fltk.FL_%s)\n", comment, ctx.widget.identifier, method, ctx.Text());
}

void EmitLabeltypeCall(Context& ctx) {
    const char* comment = IsFluidLabeltypeWord(ctx.Text()) ? "" : "--";
    Emit(ctx.out, "%s%s:labeltype(fltk.FL_%s)\n", comment, ctx.widget.identifier, ctx.Text());
}

// after the number of an attribute that FLTK takes as a floating-point number
void EmitNumberCall(Context& ctx, const char* method) {
    Emit(ctx.out, "%s:%s(%s)\n", ctx.widget.identifier, method, ctx.Text());
}

// deimage_attribute: after the value's closing
void EndDeimage(Context& ctx) {
    ctx.out.EndTextSink();
    Emit(ctx.out, "\")\n%s:deimage(img)\n%s:redraw()\n", ctx.widget.identifier, ctx.widget.identifier);
}

// unknown_attribute: after a word that no rule reads
void TakeAttributeWord(Context& ctx) {
    // Visibility and linkage of functions, declarations, classes and their
    // members; how the designer stores images in the C++; where a comment
    // goes; children placed relative to their widget_class.
    static constexpr std::string_view kCppOnly[] = {
        "private", "protected", "public", "local", "global", "static", "C",
        "compress_image", "bind_image", "bind_deimage", "in_source", "in_header",
        "position_relative"};
    for (std::string_view word : kCppOnly)
        if (word == ctx.Text()) return;
    ReportUnknownAttribute(ctx);
}

// --- menu entries ---------------------------------------------------------------------

namespace {

// The start of a menu entry's attribute block: the item slots are reset, and
// an entry without a name gets the variable its calls are made on.
void BeginEntry(Context& ctx, bool submenu) {
    ResetMenuItemSettings(ctx);
    ctx.menu.itemFlags = 0;
    ctx.menu.entryCalls.clear();
    ctx.menu.entryIsSubmenu = submenu;
    if (!ctx.widget.named) ctx.widget.identifier = "menuitem";
}

// The add call of an entry, and the calls on the entry after it. A named
// entry is a variable, as it is in the designer's C++.
void WriteEntryAdd(Context& ctx, const std::string& path, int flags) {
    const bool variable = ctx.widget.named || !ctx.menu.entryCalls.empty();
    if (variable) Emit(ctx.out, "%s=%s:menu()[", ctx.widget.identifier, ctx.menu.currentMenubar);
    const MenuState& menu = ctx.menu;
    Emit(ctx.out, "%s:add(%s,%d,%s,%s,%d)", menu.currentMenubar, path, menu.itemShortcut, menu.itemCallback,
         menu.itemUserdata, flags);
    ctx.out.WriteText(variable ? "]\n" : "\n");
    ctx.out.WriteDiverted(ctx.menu.entryCalls);
    ctx.menu.entryCalls.clear();
    // What follows the menu sees the name the entry had in the file.
    if (!ctx.widget.named) DefaultWidgetName(ctx);
}

// The path of the entry's own add: its label, or for an entry without one
// the prefix of its submenu (an empty entry there).
std::string EntryPath(const Context& ctx, long level) {
    if (std::string_view(ctx.menu.itemName) == "itemname") return "itemname";
    return "menudir" + std::to_string(level);
}

}  // namespace

// submenu: after the "{" of its attributes
void BeginSubmenuEntry(Context& ctx) {
    BeginEntry(ctx, true);
}

// menu_item: after the "{" of its attributes
void BeginItemEntry(Context& ctx) {
    BeginEntry(ctx, false);
}

// menu_item: after CheckMenuItem or RadioMenuItem, an item of that type
void TakeMenuItemKind(Context& ctx) {
    ctx.menu.itemKind = std::string_view(ctx.Text()) == "CheckMenuItem" ? 0x02 : 0x08;
    ctx.scanner.ScanNameNext();
}

// entry_attribute: after label. The label is the last part of the entry's
// path for FLTK's add.
void BeginEntryLabel(Context& ctx) {
    ctx.menu.itemName = "itemname";
    Emit(ctx.out, "itemname=menudir%d..\"", ctx.menu.entryIsSubmenu ? ctx.menu.level - 1 : ctx.menu.level);
    ctx.out.BeginTextSink(ctx.mode.layoutOnly ? Sink::MenuLabelString : Sink::MenuLabel);
}

// entry_attribute: around a call on the entry, which is written once the
// entry exists
void BeginEntryCall(Context& ctx) {
    ctx.out.BeginDivert();
}

void EndEntryCall(Context& ctx) {
    ctx.menu.entryCalls += ctx.out.EndDivert();
}

// entry_attribute: around a widget attribute that a menu entry does not have
void BeginEntryComment(Context& ctx) {
    ctx.out.SetCallSink(Sink::Comment);
}

void EndEntryComment(Context& ctx) {
    ctx.out.SetCallSink(Sink::Script);
}

// entry_call: after the value's closing of an entry's image
void EndEntryImage(Context& ctx) {
    ctx.out.EndTextSink();
    Emit(ctx.out, "\")\n%s:image(img)\n", ctx.widget.identifier);
}

// entry_attribute: a decimal shortcut, as early files write it
void TakeItemShortcutNumber(Context& ctx) {
    ctx.menu.itemShortcut = DecimalToInt(ctx.Text());
}

// entry_attribute: a numeric type is a set of the item's flags
void TakeItemTypeNumber(Context& ctx) {
    ctx.menu.itemFlags |= DecimalToInt(ctx.Text());
}

// entry_attribute: value, the state of a toggle or radio item
void TakeItemValue(Context& ctx) {
    if (std::strtod(ctx.Text(), nullptr) != 0) ctx.menu.itemFlags |= 0x04;
}

// entry_attribute: divider, deactivate, hide
void SetItemFlag(Context& ctx, int flag) {
    ctx.menu.itemFlags |= flag;
}

// menu_item: after its "}"
void EmitEntryAdd(Context& ctx) {
    const int flags = ctx.menu.itemType | ctx.menu.itemFlags | ctx.menu.itemKind;
    WriteEntryAdd(ctx, EntryPath(ctx, ctx.menu.level), flags);
    ctx.menu.itemKind = 0;
}

// submenu: after the "}" of its attributes: the submenu is added, and its
// path becomes the prefix of its entries. Of the flags only divider,
// deactivate and hide apply to a submenu.
void EmitSubmenuAdd(Context& ctx) {
    const std::string path = EntryPath(ctx, ctx.menu.level - 1);
    WriteEntryAdd(ctx, path, 0x40 | (ctx.menu.itemFlags & (0x80 | 0x10 | 0x01)));
    Emit(ctx.out, "menudir%d=%s..\"/\"\n", ctx.menu.level, path);
}
