// Actions for a widget's attributes. The first hole of every template is the
// widget's variable; the value is the token just read, spelled as the file
// spells it, except the rectangle numbers, which become integers.
#include <string>

#include "scanner/scanner.h"
#include "translator/actions.h"
#include "translator/constants.h"
#include "translator/emit.h"
#include "translator/numbers.h"
#include "translator/state.h"

namespace {

// "%s:NAME(%s)\n" with the widget and the token's text.
void EmitCall(Template<std::string, char*> tmpl) {
    Emit(tmpl, widgetIdentifier, yytext);
}

}  // namespace

// The text copied into a Lua string: verbatim, as the file spells it; without
// code (the layout-only mode) escaped, so that the script always loads.
void BeginQuotedText() {
    if (gLayoutOnly) BeginTextSink(Sink::LuaString);
}

// label_attribute: after label
void BeginLabel() {
    Emit("%s:label(\"", widgetIdentifier);
    BeginQuotedText();
}

// tooltip_attribute: after tooltip
void BeginTooltip() {
    Emit("%s:tooltip(\"", widgetIdentifier);
    BeginQuotedText();
}

// label_attribute, tooltip_attribute: after the value's closing
void EndQuotedCall() {
    EndTextSink();
    Emit("\")\n");
}

// callback_attribute: after callback. Without code the call is only shown.
void BeginCallback() {
    if (gLayoutOnly) Emit("--");
    Emit("%s:callback(", widgetIdentifier);
}

// callback_attribute: after the value's closing
void EndCall() {
    Emit(")\n");
}

// image_attribute: after "image {"
void BeginImage() {
    Emit("fltk.fl_register_images()\nlocal img = Fl_Shared_Image.get(\"");
    BeginQuotedText();
}

// image_attribute: after the value's closing
void EndImage() {
    EndTextSink();
    Emit("\")\n%s:image(img)\n%s:redraw()\n", widgetIdentifier, widgetIdentifier);
}

// xywh_attribute, size_range_attribute: after each of the four numbers
void TakeRectX() { rectx = DecimalToInt(yytext); }
void TakeRectY() { recty = DecimalToInt(yytext); }
void TakeRectW() { rectw = DecimalToInt(yytext); }
void TakeRectH() { recth = DecimalToInt(yytext); }

// xywh_attribute: after "}"
void EmitResize() {
    Emit("%s:resize(%d,%d,%d,%d)\n", widgetIdentifier, rectx, recty, rectw, recth);
}

// size_range_attribute: after "}"
void EmitSizeRange() {
    Emit("%s:size_range(%d,%d,%d,%d)\n", widgetIdentifier, rectx, recty, rectw, recth);
}

// type_attribute: after the single word
void EmitType() {
    if (ignoreType) return;
    Emit("%s:type(%d)\n", widgetIdentifier, FluidConstantToNumber(yytext));
}

// type_attribute: after the first of two braced words
void BeginTypePair() {
    if (ignoreType) return;
    gFluidConstant = yytext;
    gFluidConstant += '_';
    Emit("%s:type(", widgetIdentifier);
}

// type_attribute: after the second of two braced words
void EndTypePair() {
    if (ignoreType) return;
    gFluidConstant += yytext;
    Emit("%d)\n", FluidConstantToNumber(gFluidConstant));
}

// the number attributes: after their value
void EmitMinimum() { EmitCall("%s:minimum(%s)\n"); }
void EmitMaximum() { EmitCall("%s:maximum(%s)\n"); }
void EmitStep() { EmitCall("%s:step(%s)\n"); }
void EmitValue() { EmitCall("%s:value(%s)\n"); }
void EmitTextsize() { EmitCall("%s:textsize(%s)\n"); }
void EmitLabelsize() { EmitCall("%s:labelsize(%s)\n"); }
void EmitAlign() { EmitCall("%s:align(%s)\n"); }
void EmitWhen() { EmitCall("%s:when(%s)\n"); }
void EmitTextfont() { EmitCall("%s:textfont(%s)\n"); }
void EmitLabelfont() { EmitCall("%s:labelfont(%s)\n"); }
void EmitColor() { EmitCall("%s:color(%s)\n"); }
void EmitLabelcolor() { EmitCall("%s:labelcolor(%s)\n"); }
void EmitSelectionColor() { EmitCall("%s:selection_color(%s)\n"); }
void EmitTextcolor() { EmitCall("%s:textcolor(%s)\n"); }

// box, down_box, labeltype: after their word
void EmitBox() { EmitCall("%s:box(fltk.FL_%s)\n"); }
void EmitDownBox() { EmitCall("%s:down_box(fltk.FL_%s)\n"); }
void EmitLabeltype() { EmitCall("%s:labeltype(fltk.FL_%s)\n"); }

// visible_attribute: the show line stays a comment
void EmitHiddenShow() {
    Emit("--%s:show()\n", widgetIdentifier);
}

// resizable_attribute
void EmitResizable() {
    Emit("Fl_Group:current():resizable(%s)\n", widgetIdentifier);
}

// attribute, common_attribute: after a word that is no attribute keyword
void ReportUnknownAttribute() {
    Emit("--unknown attribute: %s\n", yytext);
}
