/* The extended grammar: the whole file format the designer saves. It reads
 * everything the default grammar reads with the same actions at the same
 * points, so a file in the translated subset comes out the same; around that
 * it takes header options, any number of top-level items, classes, comments,
 * declarations, menus in any menu widget and the attributes the subset
 * lacks. Lists are left-recursive, so no list grows the parse stack.
 * Constructs with no Lua meaning become comments or are skipped as text, so
 * that nothing of them leaks into the script. */

%define api.prefix {ext}
%define api.token.prefix {X_}

%code requires {
/* No value is ever attached to a stack entry. */
#define EXTSTYPE_IS_TRIVIAL 1
struct Context;
}

%define api.pure full
%param {Context& ctx}

%code {
#include "translator/actions.h"
#include "translator/context.h"
#include "translator/extended_actions.h"
#include "translator/parser_support.h"

static int extlex(EXTSTYPE*, Context& ctx) { return ctx.scanner.Next(); }
/* Nothing is printed: the translation reports the message once the parse has returned. */
static void exterror(Context& ctx, const char* message) { ctx.parseFailure = message; }
}

%expect 0

@TOKENS@

%start fluid_file

%%

fluid_file
    : top_list
    ;

top_list
    : %empty
    | top_list top_entry
    ;

/* Header lines write nothing, wherever they stand. */
top_entry
    : COMMENT
    | VERSION
    | HEADER_NAME
    | CODE_NAME
    | HEADER_OPTION
    | HEADER_BLOCK { BeginDroppedText(ctx); } text_opt RBRACE { EndDroppedText(ctx); }
    | item
    ;

item_list
    : item
    | item_list { EmitNewline(ctx); } item
    ;

item_list_opt
    : %empty
    | item_list
    ;

item
    : function_item
    | CODE LBRACE text_opt RBRACE LBRACE { BeginItemAttributes(ctx); } attribute_list RBRACE { EndItemAttributes(ctx); }
    | CODEBLOCK { BeginCommentLine(ctx, "codeblock "); } text_opt RBRACE { EndCommentLine(ctx); } skipped_block child_block { EmitCommentLine(ctx, "end of codeblock"); }
    | DECL { BeginCommentLine(ctx, "decl "); } text_opt RBRACE { EndCommentLine(ctx); } skipped_block
    | DECLBLOCK { BeginCommentLine(ctx, "declblock "); } text_opt RBRACE { EndCommentLine(ctx); } skipped_block child_block { EmitCommentLine(ctx, "end of declblock"); }
    | COMMENT_TEXT { BeginCommentLine(ctx, ""); } text_opt RBRACE { EndCommentLine(ctx); } skipped_block
    | DATA { ReadNameNext(ctx); } WORD { EmitDataComment(ctx); } skipped_block
    | CLASS { ReadNameNext(ctx); } class_words { EmitClassComment(ctx); } skipped_block LBRACE item_list_opt RBRACE { EmitClassEnd(ctx); }
    | WIDGET_CLASS { ReadNameNext(ctx); } widget_name { OpenWidgetClass(ctx); } LBRACE attribute_list RBRACE { EmitWidgetClass(ctx); } child_block { CloseWidgetClass(ctx); }
    | { BeginWidgetClass(ctx); } widget_class { TakeWidgetClass(ctx); } { ReadNameNext(ctx); } widget_name { OpenWidget(ctx); } LBRACE attribute_list RBRACE child_block { CloseWidget(ctx); }
    | { BeginWidgetClass(ctx); } FL_MENU_BAR { TakeWidgetClass(ctx); } { ReadNameNext(ctx); } widget_name { OpenMenuBar(ctx); } LBRACE attribute_list RBRACE menu_body { CloseGroup(ctx); }
    | { BeginWidgetClass(ctx); } FL_GROUP { TakeWidgetClass(ctx); } { ReadNameNext(ctx); } widget_name { OpenGroup(ctx); } LBRACE attribute_list RBRACE child_block { CloseGroup(ctx); }
    ;

function_item
    : FUNCTION LBRACE { BeginFunctionName(ctx); } text_opt RBRACE { EmitFunctionName(ctx); } LBRACE { BeginItemAttributes(ctx); } attribute_list RBRACE { EndItemAttributes(ctx); } LBRACE item_list_opt RBRACE { EmitFunctionEnd(ctx); }
    ;

/* "class FL_EXPORT Name": each word is read as a name, up to the "{". */
class_words
    : WORD { TakeClassWord(ctx); }
    | class_words WORD { TakeClassWord(ctx); }
    ;

/* A braced block whose text is read and dropped. */
skipped_block
    : LBRACE { BeginSkippedBlock(ctx); } text_opt RBRACE { EndSkippedBlock(ctx); }
    ;

child_block
    : %empty
    | LBRACE RBRACE
    | LBRACE item_list RBRACE
    | LBRACE { BeginMenuBody(ctx); } menu_entry_list RBRACE
    ;

menu_body
    : %empty
    | LBRACE RBRACE
    | LBRACE menu_entry_list RBRACE
    ;

menu_entry_list
    : menu_entry
    | menu_entry_list menu_entry
    ;

menu_entry
    : submenu
    | menu_item
    ;

/* A submenu is an entry of its own, added once its attributes are read;
 * its entries follow in its menu body. */
submenu
    : { EnterSubmenu(ctx); } SUBMENU { ReadNameNext(ctx); } widget_name LBRACE { BeginSubmenuEntry(ctx); } entry_attributes RBRACE { EmitSubmenuAdd(ctx); } menu_body { LeaveSubmenu(ctx); }
    ;

menu_item
    : MENUITEM { ReadNameNext(ctx); } widget_name LBRACE { BeginItemEntry(ctx); } entry_attributes RBRACE { EmitEntryAdd(ctx); }
    | TYPED_MENUITEM { TakeMenuItemKind(ctx); } widget_name LBRACE { BeginItemEntry(ctx); } entry_attributes RBRACE { EmitEntryAdd(ctx); }
    ;

widget_class
    : FL_WINDOW { UseImplicitWindow(ctx); }
    | FL_BUTTON
    | FL_INPUT
    | FL_VALUE_INPUT
    | FL_BROWSER
    | FL_CHECK_BUTTON
    | FL_TEXT_DISPLAY
    | FL_OUTPUT
    | WORD
    | BRACED_CLASS { TakeBracedClass(ctx); }
    ;

entry_attributes
    : %empty
    | entry_attributes entry_attribute
    ;

/* A menu entry's attributes: what FLTK's add takes is collected for it;
 * what a menu entry shows is a call on the entry, written after the add;
 * what a menu entry does not have stays a comment. */
entry_attribute
    : { BeginEntryCall(ctx); } entry_call { EndEntryCall(ctx); }
    | { BeginEntryComment(ctx); } entry_comment { EndEntryComment(ctx); }
    | LABEL { BeginEntryLabel(ctx); } text_opt RBRACE { EndQuotedLine(ctx); }
    | CALLBACK { BeginItemCallback(ctx); } text_opt RBRACE { EmitNewline(ctx); }
    | USER_DATA { BeginItemUserdata(ctx); } text_opt RBRACE { EndQuotedLine(ctx); }
    | SHORTCUT HEX { TakeItemShortcut(ctx); }
    | SHORTCUT NUMBER { TakeItemShortcutNumber(ctx); }
    | TYPE WORD { TakeItemType(ctx); }
    | TYPE NUMBER { TakeItemTypeNumber(ctx); }
    | VALUE number { TakeItemValue(ctx); }
    | XYWH LBRACE NUMBER NUMBER NUMBER NUMBER RBRACE
    | DIVIDER { SetItemFlag(ctx, 0x80); }
    | DEACTIVATE { SetItemFlag(ctx, 0x01); }
    | HIDE { SetItemFlag(ctx, 0x10); }
    | OPEN
    | SELECTED
    | USER_DATA_TYPE { BeginCommentLine(ctx, "user_data_type "); } text_opt RBRACE { EndCommentLine(ctx); }
    | COMMENT_TEXT { BeginCommentLine(ctx, ""); } text_opt RBRACE { EndCommentLine(ctx); }
    | EXTRA_CODE { BeginCommentLine(ctx, "extra_code "); } text_opt RBRACE { EndCommentLine(ctx); }
    | CLASS { ReadNameNext(ctx); } class_value
    | unknown_attribute
    ;

entry_call
    : labelsize_attribute
    | labelfont_attribute
    | labelcolor_attribute
    | labeltype_attribute
    | code_attribute
    | IMAGE { BeginImage(ctx); } text_opt RBRACE { EndEntryImage(ctx); }
    ;

entry_comment
    : visible_attribute
    | maximum_attribute
    | minimum_attribute
    | step_attribute
    | box_attribute
    | down_box_attribute
    | textsize_attribute
    | align_attribute
    | when_attribute
    | resizable_attribute
    | size_range_attribute
    | textfont_attribute
    | tooltip_attribute
    | color_attribute
    | textcolor_attribute
    | selection_color_attribute
    | deimage_attribute
    | slider_size_attribute
    ;

common_attribute
    : OPEN
    | SELECTED
    | visible_attribute
    | maximum_attribute
    | minimum_attribute
    | step_attribute
    | value_attribute
    | box_attribute
    | down_box_attribute
    | labelsize_attribute
    | textsize_attribute
    | align_attribute
    | when_attribute
    | resizable_attribute
    | size_range_attribute
    | textfont_attribute
    | tooltip_attribute
    | code_attribute
    | color_attribute
    | labelcolor_attribute
    | labeltype_attribute
    | textcolor_attribute
    | selection_color_attribute
    | labelfont_attribute
    | image_attribute
    | deimage_attribute
    | slider_size_attribute
    ;

/* Only the word is reported; a value after it is read and dropped. A word
 * after it is an attribute of its own, as in the default grammar. Words
 * that only matter to C++ (visibility, linkage, how images are stored) are
 * read without a report. */
unknown_attribute
    : WORD { TakeAttributeWord(ctx); } unknown_value_opt
    ;

unknown_value_opt
    : %empty
    | NUMBER
    | FLOAT
    | HEX
    | LBRACE { BeginSkippedBlock(ctx); } text_opt RBRACE { EndSkippedBlock(ctx); }
    ;

attribute_list
    : %empty
    | attribute_list attribute
    ;

attribute
    : common_attribute
    | xywh_attribute
    | type_attribute
    | label_attribute
    | callback_attribute
    | USER_DATA { BeginWidgetUserdata(ctx); } text_opt RBRACE { EndCommentLine(ctx); }
    | USER_DATA_TYPE { BeginCommentLine(ctx, "user_data_type "); } text_opt RBRACE { EndCommentLine(ctx); }
    | COMMENT_TEXT { BeginCommentLine(ctx, ""); } text_opt RBRACE { EndCommentLine(ctx); }
    | EXTRA_CODE { BeginCommentLine(ctx, "extra_code "); } text_opt RBRACE { EndCommentLine(ctx); }
    | RETURN_TYPE { BeginCommentLine(ctx, "return_type "); } text_opt RBRACE { EndCommentLine(ctx); }
    | CLASS { ReadNameNext(ctx); } class_value
    | SHORTCUT HEX { EmitShortcut(ctx); }
    | SHORTCUT NUMBER { EmitShortcutNumber(ctx); }
    | HOTSPOT { EmitHotspot(ctx); }
    | MODAL { EmitModal(ctx); }
    | NON_MODAL { EmitNonModal(ctx); }
    | NOBORDER { EmitNoborder(ctx); }
    | DEACTIVATE { EmitDeactivate(ctx); }
    | HIDE { EmitHide(ctx); }
    | XCLASS { ReadNameNext(ctx); } xclass_value
    | DIVIDER { ReportUnknownAttribute(ctx); }
    | unknown_attribute
    ;

/* The C++ class a widget really is: any class name, braced or not. */
class_value
    : WORD { EmitClassAttribute(ctx); }
    | LBRACE { BeginCapturedText(ctx); } text_opt RBRACE { EmitBracedClassAttribute(ctx); }
    ;

xclass_value
    : WORD { EmitXclass(ctx); }
    | LBRACE { BeginCapturedText(ctx); } text_opt RBRACE { EmitBracedXclass(ctx); }
    ;

widget_name
    : WORD { TakeNameWord(ctx); }
    | LBRACE { BeginCapturedText(ctx); } text_opt RBRACE { TakeBracedName(ctx); }
    ;

text_block
    : text_opt RBRACE
    ;

text_opt
    : %empty
    | text_opt TEXT
    ;

type_attribute
    : TYPE LBRACE WORD { BeginTypePair(ctx); } WORD { EndTypePair(ctx); } RBRACE
    | TYPE WORD { EmitType(ctx); }
    | TYPE NUMBER { EmitTypeNumber(ctx); }
    ;

value_attribute
    : VALUE number { EmitValue(ctx); }
    | VALUE LBRACE { BeginTextValue(ctx); } text_opt RBRACE { EndTextValue(ctx); }
    ;

/* The image a deactivated widget shows. */
deimage_attribute
    : DEIMAGE { BeginImage(ctx); } text_opt RBRACE { EndDeimage(ctx); }
    ;

slider_size_attribute
    : SLIDER_SIZE number { EmitNumberCall(ctx, "slider_size"); }
    ;

/* Early files write the colour and the selection colour as one pair. */
color_attribute
    : COLOR number { EmitColorCall(ctx, "color"); }
    | COLOR LBRACE number { EmitOldColor(ctx); } number { EmitColorCall(ctx, "selection_color"); } RBRACE
    ;

labelcolor_attribute
    : LABELCOLOR number { EmitColorCall(ctx, "labelcolor"); }
    ;

selection_color_attribute
    : SELECTION_COLOR number { EmitColorCall(ctx, "selection_color"); }
    ;

textcolor_attribute
    : TEXTCOLOR number { EmitColorCall(ctx, "textcolor"); }
    ;

down_box_attribute
    : DOWN_BOX WORD { EmitBoxCall(ctx, "down_box"); }
    | DOWN_BOX NUMBER { EmitDownBoxNumber(ctx); }
    ;

box_attribute
    : BOX WORD { EmitBoxCall(ctx, "box"); }
    | BOX NUMBER { EmitBoxNumber(ctx); }
    ;

labeltype_attribute
    : LABELTYPE WORD { EmitLabeltypeCall(ctx); }
    | LABELTYPE NUMBER { EmitLabeltypeNumber(ctx); }
    ;

@ATTRIBUTE_RULES@
%%
