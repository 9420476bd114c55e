// Actions for a widget's attributes. The first hole of every template is the
// widget's variable; the value is the token just read, spelled as the file
// spells it, except the rectangle numbers, which become integers.
#include <cstring>
#include <string>

#include "translator/actions.h"
#include "translator/constants.h"
#include "output/emit.h"
#include "translator/numbers.h"
#include "translator/context.h"

namespace {

// "%s:NAME(%s)\n" with the widget and the token's text.
void EmitCall(Context& ctx, Template<std::string, const char*> tmpl) {
    Emit(ctx.out, tmpl, ctx.widget.identifier, ctx.Text());
}

}  // namespace

// The text copied into a Lua string: verbatim, as the file spells it; without
// code (the layout-only mode) escaped, so that the script always loads.
void BeginQuotedText(Context& ctx) {
    if (ctx.mode.layoutOnly) ctx.out.BeginTextSink(Sink::LuaString);
}

// label_attribute: after label
void BeginLabel(Context& ctx) {
    Emit(ctx.out, "%s:label(\"", ctx.widget.identifier);
    BeginQuotedText(ctx);
}

// tooltip_attribute: after tooltip
void BeginTooltip(Context& ctx) {
    Emit(ctx.out, "%s:tooltip(\"", ctx.widget.identifier);
    BeginQuotedText(ctx);
}

// label_attribute, tooltip_attribute: after the value's closing
void EndQuotedCall(Context& ctx) {
    ctx.out.EndTextSink();
    Emit(ctx.out, "\")\n");
}

// callback_attribute: after callback. Without code the call is only shown.
void BeginCallback(Context& ctx) {
    if (ctx.mode.layoutOnly) Emit(ctx.out, "--");
    Emit(ctx.out, "%s:callback(", ctx.widget.identifier);
}

// callback_attribute: after the value's closing
void EndCall(Context& ctx) {
    Emit(ctx.out, ")\n");
}

// image_attribute: after "image {"
void BeginImage(Context& ctx) {
    Emit(ctx.out, "fltk.fl_register_images()\nlocal img = Fl_Shared_Image.get(\"");
    BeginQuotedText(ctx);
}

// image_attribute: after the value's closing
void EndImage(Context& ctx) {
    ctx.out.EndTextSink();
    Emit(ctx.out, "\")\n%s:image(img)\n%s:redraw()\n", ctx.widget.identifier, ctx.widget.identifier);
}

// xywh_attribute, size_range_attribute: after each of the four numbers
void TakeRectX(Context& ctx) { ctx.widget.rectx = DecimalToInt(ctx.Text()); }
void TakeRectY(Context& ctx) { ctx.widget.recty = DecimalToInt(ctx.Text()); }
void TakeRectW(Context& ctx) { ctx.widget.rectw = DecimalToInt(ctx.Text()); }
void TakeRectH(Context& ctx) { ctx.widget.recth = DecimalToInt(ctx.Text()); }

// xywh_attribute: after "}"
void EmitResize(Context& ctx) {
    const WidgetState& w = ctx.widget;
    Emit(ctx.out, "%s:resize(%d,%d,%d,%d)\n", w.identifier, w.rectx, w.recty, w.rectw, w.recth);
}

// size_range_attribute: after "}"
void EmitSizeRange(Context& ctx) {
    const WidgetState& w = ctx.widget;
    Emit(ctx.out, "%s:size_range(%d,%d,%d,%d)\n", w.identifier, w.rectx, w.recty, w.rectw, w.recth);
}

// type_attribute: after the single word
void EmitType(Context& ctx) {
    if (ctx.widget.ignoreType) return;
    Emit(ctx.out, "%s:type(%d)\n", ctx.widget.identifier, FluidConstantToNumber(ctx.Text()));
}

// type_attribute: after the first of two braced words
void BeginTypePair(Context& ctx) {
    if (ctx.widget.ignoreType) return;
    ctx.widget.fluidConstant = ctx.Text();
    ctx.widget.fluidConstant += '_';
    Emit(ctx.out, "%s:type(", ctx.widget.identifier);
}

// type_attribute: after the second of two braced words
void EndTypePair(Context& ctx) {
    if (ctx.widget.ignoreType) return;
    ctx.widget.fluidConstant += ctx.Text();
    Emit(ctx.out, "%d)\n", FluidConstantToNumber(ctx.widget.fluidConstant));
}

// the number attributes: after their value
void EmitMinimum(Context& ctx) { EmitCall(ctx, "%s:minimum(%s)\n"); }
void EmitMaximum(Context& ctx) { EmitCall(ctx, "%s:maximum(%s)\n"); }
void EmitStep(Context& ctx) { EmitCall(ctx, "%s:step(%s)\n"); }
void EmitValue(Context& ctx) { EmitCall(ctx, "%s:value(%s)\n"); }
void EmitColor(Context& ctx) { EmitCall(ctx, "%s:color(%s)\n"); }
void EmitLabelcolor(Context& ctx) { EmitCall(ctx, "%s:labelcolor(%s)\n"); }
void EmitSelectionColor(Context& ctx) { EmitCall(ctx, "%s:selection_color(%s)\n"); }
void EmitTextcolor(Context& ctx) { EmitCall(ctx, "%s:textcolor(%s)\n"); }

// after the number of an attribute that FLTK takes as an integer: a decimal
// number becomes its integer part, as the designer reads it ("12.5" is 12)
void EmitIntegerCall(Context& ctx, const char* method) {
    if (std::strpbrk(ctx.Text(), ".eE"))
        Emit(ctx.out, "%s:%s(%d)\n", ctx.widget.identifier, method, DecimalToInt(ctx.Text()));
    else
        Emit(ctx.out, "%s:%s(%s)\n", ctx.widget.identifier, method, ctx.Text());
}

// box, down_box, labeltype: after their word
void EmitBox(Context& ctx) { EmitCall(ctx, "%s:box(fltk.FL_%s)\n"); }
void EmitDownBox(Context& ctx) { EmitCall(ctx, "%s:down_box(fltk.FL_%s)\n"); }
void EmitLabeltype(Context& ctx) { EmitCall(ctx, "%s:labeltype(fltk.FL_%s)\n"); }

// visible_attribute: the show line stays a comment
void EmitHiddenShow(Context& ctx) {
    Emit(ctx.out, "--%s:show()\n", ctx.widget.identifier);
}

// resizable_attribute
void EmitResizable(Context& ctx) {
    Emit(ctx.out, "Fl_Group:current():resizable(%s)\n", ctx.widget.identifier);
}

// attribute, common_attribute: after a word that is no attribute keyword
void ReportUnknownAttribute(Context& ctx) {
    Emit(ctx.out, "--unknown attribute: %s\n", ctx.Text());
}
