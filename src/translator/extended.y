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
}

%code {
#include "translator/actions.h"
#include "translator/extended_actions.h"
#include "translator/parser_support.h"
}

%expect 0

/* The tokens of the default grammar, with the same codes. */
%token COMMENT 258
%token VERSION 259
%token HEADER_NAME 260
%token CODE_NAME 261
%token FUNCTION 262
%token WORD 263
%token LPAREN 264
%token RPAREN 265
%token RBRACE 266
%token LBRACE 267
%token OPEN 268
%token CODE 269
%token SELECTED 270
%token RESERVED 271
%token TEXT 272
%token NUMBER 273
%token TYPE 274
%token VISIBLE 275
%token XYWH 276
%token LABEL 277
%token CALLBACK 278
%token LABELSIZE 279
%token TEXTSIZE 280
%token ALIGN 281
%token FLOAT 282
%token MAXIMUM 283
%token MINIMUM 284
%token STEP 285
%token VALUE 286
%token BOX 287
%token DOWN_BOX 288
%token WHEN 289
%token RESIZABLE 290
%token SIZE_RANGE 291
%token TEXTFONT 292
%token TOOLTIP 293
%token CODE_N 294
%token COLOR 295
%token LABELCOLOR 296
%token LABELTYPE 297
%token SELECTION_COLOR 298
%token TEXTCOLOR 299
%token LABELFONT 300
%token IMAGE 301
%token FL_WINDOW 302
%token FL_BUTTON 303
%token FL_INPUT 304
%token FL_VALUE_INPUT 305
%token FL_BROWSER 306
%token FL_CHECK_BUTTON 307
%token FL_TEXT_DISPLAY 308
%token FL_OUTPUT 309
%token FL_GROUP 310
%token FL_MENU_BAR 311
%token SUBMENU 312
%token MENUITEM 313
%token USER_DATA 314
%token SHORTCUT 315
%token HEX 316

/* The extended mode's own. */
%token HEADER_OPTION 317
%token HEADER_BLOCK 318
%token CLASS 319
%token WIDGET_CLASS 320
%token DATA 321
%token HOTSPOT 322
%token MODAL 323
%token NON_MODAL 324
%token NOBORDER 325
%token DEACTIVATE 326
%token HIDE 327
%token DIVIDER 328
%token XCLASS 329
%token BRACED_CLASS 330
%token COMMENT_TEXT 331
%token DECL 332
%token DECLBLOCK 333
%token CODEBLOCK 334
%token RETURN_TYPE 335
%token USER_DATA_TYPE 336
%token EXTRA_CODE 337
%token TYPED_MENUITEM 338
%token SLIDER_SIZE 339
%token DEIMAGE 340

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
    | HEADER_BLOCK { BeginDroppedText(); } text_opt RBRACE { EndDroppedText(); }
    | item
    ;

item_list
    : item
    | item_list { EmitNewline(); } item
    ;

item_list_opt
    : %empty
    | item_list
    ;

item
    : function_item
    | CODE LBRACE text_opt RBRACE LBRACE { BeginItemAttributes(); } attribute_list RBRACE { EndItemAttributes(); }
    | CODEBLOCK { BeginCommentLine("codeblock "); } text_opt RBRACE { EndCommentLine(); } skipped_block child_block { EmitCommentLine("end of codeblock"); }
    | DECL { BeginCommentLine("decl "); } text_opt RBRACE { EndCommentLine(); } skipped_block
    | DECLBLOCK { BeginCommentLine("declblock "); } text_opt RBRACE { EndCommentLine(); } skipped_block child_block { EmitCommentLine("end of declblock"); }
    | COMMENT_TEXT { BeginCommentLine(""); } text_opt RBRACE { EndCommentLine(); } skipped_block
    | DATA { ReadNameNext(); } WORD { EmitDataComment(); } skipped_block
    | CLASS { ReadNameNext(); } class_words { EmitClassComment(); } skipped_block LBRACE item_list_opt RBRACE { EmitClassEnd(); }
    | WIDGET_CLASS { ReadNameNext(); } widget_name { OpenWidgetClass(); } LBRACE attribute_list RBRACE { EmitWidgetClass(); } child_block { CloseWidgetClass(); }
    | { BeginWidgetClass(); } widget_class { TakeWidgetClass(); } { ReadNameNext(); } widget_name { OpenWidget(); } LBRACE attribute_list RBRACE child_block { CloseWidget(); }
    | { BeginWidgetClass(); } FL_MENU_BAR { TakeWidgetClass(); } { ReadNameNext(); } widget_name { OpenMenuBar(); } LBRACE attribute_list RBRACE menu_body { CloseGroup(); }
    | { BeginWidgetClass(); } FL_GROUP { TakeWidgetClass(); } { ReadNameNext(); } widget_name { OpenGroup(); } LBRACE attribute_list RBRACE child_block { CloseGroup(); }
    ;

function_item
    : FUNCTION LBRACE { BeginFunctionName(); } text_opt RBRACE { EmitFunctionName(); } LBRACE { BeginItemAttributes(); } attribute_list RBRACE { EndItemAttributes(); } LBRACE item_list_opt RBRACE { EmitFunctionEnd(); }
    ;

/* "class FL_EXPORT Name": each word is read as a name, up to the "{". */
class_words
    : WORD { TakeClassWord(); }
    | class_words WORD { TakeClassWord(); }
    ;

/* A braced block whose text is read and dropped. */
skipped_block
    : LBRACE { BeginSkippedBlock(); } text_opt RBRACE { EndSkippedBlock(); }
    ;

number
    : FLOAT
    | NUMBER
    ;

child_block
    : %empty
    | LBRACE RBRACE
    | LBRACE item_list RBRACE
    | LBRACE { BeginMenuBody(); } menu_entry_list RBRACE
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
    : { EnterSubmenu(); } SUBMENU { ReadNameNext(); } widget_name LBRACE { BeginSubmenuEntry(); } entry_attributes RBRACE { EmitSubmenuAdd(); } menu_body { LeaveSubmenu(); }
    ;

menu_item
    : MENUITEM { ReadNameNext(); } widget_name LBRACE { BeginItemEntry(); } entry_attributes RBRACE { EmitEntryAdd(); }
    | TYPED_MENUITEM { TakeMenuItemKind(); } widget_name LBRACE { BeginItemEntry(); } entry_attributes RBRACE { EmitEntryAdd(); }
    ;

widget_class
    : FL_WINDOW { UseImplicitWindow(); }
    | FL_BUTTON
    | FL_INPUT
    | FL_VALUE_INPUT
    | FL_BROWSER
    | FL_CHECK_BUTTON
    | FL_TEXT_DISPLAY
    | FL_OUTPUT
    | WORD
    | BRACED_CLASS { TakeBracedClass(); }
    ;

entry_attributes
    : %empty
    | entry_attributes entry_attribute
    ;

/* A menu entry's attributes: what FLTK's add takes is collected for it;
 * what a menu entry shows is a call on the entry, written after the add;
 * what a menu entry does not have stays a comment. */
entry_attribute
    : { BeginEntryCall(); } entry_call { EndEntryCall(); }
    | { BeginEntryComment(); } entry_comment { EndEntryComment(); }
    | LABEL { BeginEntryLabel(); } text_opt RBRACE { EndQuotedLine(); }
    | CALLBACK { BeginItemCallback(); } text_opt RBRACE { EmitNewline(); }
    | USER_DATA { BeginItemUserdata(); } text_opt RBRACE { EndQuotedLine(); }
    | SHORTCUT HEX { TakeItemShortcut(); }
    | SHORTCUT NUMBER { TakeItemShortcutNumber(); }
    | TYPE WORD { TakeItemType(); }
    | TYPE NUMBER { TakeItemTypeNumber(); }
    | VALUE number { TakeItemValue(); }
    | XYWH LBRACE NUMBER NUMBER NUMBER NUMBER RBRACE
    | DIVIDER { SetItemFlag(0x80); }
    | DEACTIVATE { SetItemFlag(0x01); }
    | HIDE { SetItemFlag(0x10); }
    | OPEN
    | SELECTED
    | USER_DATA_TYPE { BeginCommentLine("user_data_type "); } text_opt RBRACE { EndCommentLine(); }
    | COMMENT_TEXT { BeginCommentLine(""); } text_opt RBRACE { EndCommentLine(); }
    | EXTRA_CODE { BeginCommentLine("extra_code "); } text_opt RBRACE { EndCommentLine(); }
    | CLASS { ReadNameNext(); } class_value
    | unknown_attribute
    ;

entry_call
    : labelsize_attribute
    | labelfont_attribute
    | labelcolor_attribute
    | labeltype_attribute
    | code_attribute
    | IMAGE { BeginImage(); } text_opt RBRACE { EndEntryImage(); }
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
    : WORD { TakeAttributeWord(); } unknown_value_opt
    ;

unknown_value_opt
    : %empty
    | NUMBER
    | FLOAT
    | HEX
    | LBRACE { BeginSkippedBlock(); } text_opt RBRACE { EndSkippedBlock(); }
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
    | USER_DATA { BeginWidgetUserdata(); } text_opt RBRACE { EndCommentLine(); }
    | USER_DATA_TYPE { BeginCommentLine("user_data_type "); } text_opt RBRACE { EndCommentLine(); }
    | COMMENT_TEXT { BeginCommentLine(""); } text_opt RBRACE { EndCommentLine(); }
    | EXTRA_CODE { BeginCommentLine("extra_code "); } text_opt RBRACE { EndCommentLine(); }
    | RETURN_TYPE { BeginCommentLine("return_type "); } text_opt RBRACE { EndCommentLine(); }
    | CLASS { ReadNameNext(); } class_value
    | SHORTCUT HEX { EmitShortcut(); }
    | SHORTCUT NUMBER { EmitShortcutNumber(); }
    | HOTSPOT { EmitHotspot(); }
    | MODAL { EmitModal(); }
    | NON_MODAL { EmitNonModal(); }
    | NOBORDER { EmitNoborder(); }
    | DEACTIVATE { EmitDeactivate(); }
    | HIDE { EmitHide(); }
    | XCLASS { ReadNameNext(); } xclass_value
    | DIVIDER { ReportUnknownAttribute(); }
    | unknown_attribute
    ;

/* The C++ class a widget really is: any class name, braced or not. */
class_value
    : WORD { EmitClassAttribute(); }
    | LBRACE { BeginCapturedText(); } text_opt RBRACE { EmitBracedClassAttribute(); }
    ;

xclass_value
    : WORD { EmitXclass(); }
    | LBRACE { BeginCapturedText(); } text_opt RBRACE { EmitBracedXclass(); }
    ;

widget_name
    : WORD { TakeNameWord(); }
    | LBRACE { BeginCapturedText(); } text_opt RBRACE { TakeBracedName(); }
    ;

text_opt
    : %empty
    | text_opt TEXT
    ;

type_attribute
    : TYPE LBRACE WORD { BeginTypePair(); } WORD { EndTypePair(); } RBRACE
    | TYPE WORD { EmitType(); }
    | TYPE NUMBER { EmitTypeNumber(); }
    ;

label_attribute
    : LABEL { BeginLabel(); } text_opt RBRACE { EndQuotedCall(); }
    ;

tooltip_attribute
    : TOOLTIP { BeginTooltip(); } text_opt RBRACE { EndQuotedCall(); }
    ;

callback_attribute
    : CALLBACK { BeginCallback(); } text_opt RBRACE { EndCall(); }
    ;

xywh_attribute
    : XYWH LBRACE NUMBER { TakeRectX(); } NUMBER { TakeRectY(); } NUMBER { TakeRectW(); } NUMBER { TakeRectH(); } RBRACE { EmitResize(); }
    ;

minimum_attribute
    : MINIMUM number { EmitMinimum(); }
    ;

maximum_attribute
    : MAXIMUM number { EmitMaximum(); }
    ;

step_attribute
    : STEP number { EmitStep(); }
    ;

value_attribute
    : VALUE number { EmitValue(); }
    | VALUE LBRACE { BeginTextValue(); } text_opt RBRACE { EndTextValue(); }
    ;

textsize_attribute
    : TEXTSIZE number { EmitIntegerCall("textsize"); }
    ;

labelsize_attribute
    : LABELSIZE number { EmitIntegerCall("labelsize"); }
    ;

align_attribute
    : ALIGN number { EmitIntegerCall("align"); }
    ;

visible_attribute
    : VISIBLE { EmitHiddenShow(); }
    ;

when_attribute
    : WHEN number { EmitIntegerCall("when"); }
    ;

resizable_attribute
    : RESIZABLE { EmitResizable(); }
    ;

size_range_attribute
    : SIZE_RANGE LBRACE NUMBER { TakeRectX(); } NUMBER { TakeRectY(); } NUMBER { TakeRectW(); } NUMBER { TakeRectH(); } RBRACE { EmitSizeRange(); }
    ;

textfont_attribute
    : TEXTFONT number { EmitIntegerCall("textfont"); }
    ;

labelfont_attribute
    : LABELFONT number { EmitIntegerCall("labelfont"); }
    ;

code_attribute
    : CODE_N text_opt RBRACE { EmitNewline(); }
    ;

image_attribute
    : IMAGE { BeginImage(); } text_opt RBRACE { EndImage(); }
    ;

/* The image a deactivated widget shows. */
deimage_attribute
    : DEIMAGE { BeginImage(); } text_opt RBRACE { EndDeimage(); }
    ;

slider_size_attribute
    : SLIDER_SIZE number { EmitNumberCall("slider_size"); }
    ;

/* Early files write the colour and the selection colour as one pair. */
color_attribute
    : COLOR number { EmitColorCall("color"); }
    | COLOR LBRACE number { EmitOldColor(); } number { EmitColorCall("selection_color"); } RBRACE
    ;

labelcolor_attribute
    : LABELCOLOR number { EmitColorCall("labelcolor"); }
    ;

selection_color_attribute
    : SELECTION_COLOR number { EmitColorCall("selection_color"); }
    ;

textcolor_attribute
    : TEXTCOLOR number { EmitColorCall("textcolor"); }
    ;

down_box_attribute
    : DOWN_BOX WORD { EmitBoxCall("down_box"); }
    | DOWN_BOX NUMBER { EmitDownBoxNumber(); }
    ;

box_attribute
    : BOX WORD { EmitBoxCall("box"); }
    | BOX NUMBER { EmitBoxNumber(); }
    ;

labeltype_attribute
    : LABELTYPE WORD { EmitLabeltypeCall(); }
    | LABELTYPE NUMBER { EmitLabeltypeNumber(); }
    ;

%%
