/* The attribute rules both grammars read alike, spliced into each. The
 * default grammar reads a text value as "text RBRACE" and an integer as
 * NUMBER; the extended grammar as "text_opt RBRACE" and as "number" (a
 * decimal number too, of which the designer reads the integer part). */

number
    : FLOAT
    | NUMBER
    ;

xywh_attribute
    : XYWH LBRACE NUMBER { TakeRectX(ctx); } NUMBER { TakeRectY(ctx); } NUMBER { TakeRectW(ctx); } NUMBER { TakeRectH(ctx); } RBRACE { EmitResize(ctx); }
    ;

minimum_attribute
    : MINIMUM number { EmitMinimum(ctx); }
    ;

maximum_attribute
    : MAXIMUM number { EmitMaximum(ctx); }
    ;

step_attribute
    : STEP number { EmitStep(ctx); }
    ;

visible_attribute
    : VISIBLE { EmitHiddenShow(ctx); }
    ;

resizable_attribute
    : RESIZABLE { EmitResizable(ctx); }
    ;

size_range_attribute
    : SIZE_RANGE LBRACE NUMBER { TakeRectX(ctx); } NUMBER { TakeRectY(ctx); } NUMBER { TakeRectW(ctx); } NUMBER { TakeRectH(ctx); } RBRACE { EmitSizeRange(ctx); }
    ;

label_attribute
    : LABEL { BeginLabel(ctx); } text_block { EndQuotedCall(ctx); }
    ;

tooltip_attribute
    : TOOLTIP { BeginTooltip(ctx); } text_block { EndQuotedCall(ctx); }
    ;

callback_attribute
    : CALLBACK { BeginCallback(ctx); } text_block { EndCall(ctx); }
    ;

code_attribute
    : CODE_N text_block { EmitNewline(ctx); }
    ;

image_attribute
    : IMAGE { BeginImage(ctx); } text_block { EndImage(ctx); }
    ;

textsize_attribute
    : TEXTSIZE @INTEGER@ { EmitIntegerCall(ctx, "textsize"); }
    ;

labelsize_attribute
    : LABELSIZE @INTEGER@ { EmitIntegerCall(ctx, "labelsize"); }
    ;

align_attribute
    : ALIGN @INTEGER@ { EmitIntegerCall(ctx, "align"); }
    ;

when_attribute
    : WHEN @INTEGER@ { EmitIntegerCall(ctx, "when"); }
    ;

textfont_attribute
    : TEXTFONT @INTEGER@ { EmitIntegerCall(ctx, "textfont"); }
    ;

labelfont_attribute
    : LABELFONT @INTEGER@ { EmitIntegerCall(ctx, "labelfont"); }
    ;
