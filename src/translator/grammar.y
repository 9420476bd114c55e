/* The FLUID grammar. It builds no tree and keeps no semantic values: every
 * action is a call into widget_actions.cpp or menu_actions.cpp, which read
 * yytext and the translation state. Where an action stands inside an
 * alternative it is a mid-rule action, so that it runs exactly when the
 * parser reaches that point; that timing decides where the text that the
 * scanner copies lands in the output. */

%code requires {
/* No value is ever attached to a stack entry. An empty type makes the value
 * stack that the parser keeps beside its states cost nothing to push and
 * pop; being trivial lets the stack grow past its first 200 entries when
 * this parser is compiled as C++. */
struct NoValue {};
#define YYSTYPE_IS_TRIVIAL 1
}

%define api.value.type {struct NoValue}

%code {
#include "translator/actions.h"
#include "translator/parser_support.h"
}

%expect 0

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

%start fluid_file

%%

fluid_file
    : COMMENT VERSION HEADER_NAME CODE_NAME function_block
    ;

function_block
    : FUNCTION LBRACE { EmitFunctionHead(); } WORD { EmitTokenText(); } LPAREN RPAREN { EmitFunctionParens(); } RBRACE LBRACE attribute_list RBRACE LBRACE item_list RBRACE { EmitFunctionEnd(); }
    ;

item_list
    : item { EmitNewline(); } item_list
    | item
    ;

item
    : CODE LBRACE text RBRACE LBRACE attribute_list RBRACE
    | { BeginWidgetClass(); } widget_class { TakeWidgetClass(); } widget_name { OpenWidget(); } LBRACE attribute_list RBRACE child_block { CloseWidget(); }
    | { BeginWidgetClass(); } FL_MENU_BAR { TakeWidgetClass(); } widget_name { OpenMenuBar(); } LBRACE attribute_list RBRACE menu_body { CloseGroup(); }
    | { BeginWidgetClass(); } FL_GROUP { TakeWidgetClass(); } widget_name { OpenGroup(); } LBRACE attribute_list RBRACE child_block { CloseGroup(); }
    ;

number
    : FLOAT
    | NUMBER
    ;

child_block
    : LBRACE RBRACE
    | LBRACE item_list RBRACE
    | %empty
    ;

menu_body
    : LBRACE RBRACE
    | LBRACE menu_entry_list RBRACE
    | %empty
    ;

/* Written before the submenu rule: after a complete entry, ending the list
 * wins over the EnterSubmenu marker as the default reduction. */
menu_entry_list
    : menu_item menu_entry_list
    | submenu menu_entry_list
    | submenu
    | menu_item
    ;

submenu
    : { EnterSubmenu(); } SUBMENU widget_name LBRACE submenu_attributes RBRACE menu_body { LeaveSubmenu(); }
    ;

menu_item
    : MENUITEM widget_name LBRACE { ResetMenuItemSettings(); } menu_item_attributes RBRACE { EmitMenuItemAdd(); }
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
    ;

menu_item_attributes
    : {} common_attribute menu_item_attributes
    | LABEL { BeginItemLabel(); } text_block { EndQuotedLine(); } menu_item_attributes
    | CALLBACK { BeginItemCallback(); } text_block { EmitNewline(); } menu_item_attributes
    | USER_DATA { BeginItemUserdata(); } text_block { EndQuotedLine(); } menu_item_attributes
    | SHORTCUT HEX { TakeItemShortcut(); } menu_item_attributes
    | TYPE WORD { TakeItemType(); } menu_item_attributes
    | XYWH LBRACE NUMBER NUMBER NUMBER NUMBER RBRACE menu_item_attributes
    | %empty
    ;

submenu_attributes
    : {} common_attribute submenu_attributes
    | LABEL { BeginSubmenuLabel(); } text_block { EndSubmenuLabel(); } submenu_attributes
    | XYWH LBRACE NUMBER NUMBER NUMBER NUMBER RBRACE submenu_attributes
    | TYPE WORD submenu_attributes
    | %empty
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
    | WORD { ReportUnknownAttribute(); }
    ;

attribute_list
    : attribute attribute_list
    | %empty
    ;

attribute
    : OPEN
    | SELECTED
    | xywh_attribute
    | type_attribute
    | visible_attribute
    | label_attribute
    | callback_attribute
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
    | WORD { ReportUnknownAttribute(); }
    ;

widget_name
    : WORD { TakeWidgetName(); }
    | LBRACE RBRACE { DefaultWidgetName(); }
    ;

text_block
    : text RBRACE
    ;

text
    : TEXT
    | TEXT text
    ;

type_attribute
    : TYPE LBRACE WORD { BeginTypePair(); } WORD { EndTypePair(); } RBRACE
    | TYPE WORD { EmitType(); }
    ;

label_attribute
    : LABEL { BeginLabel(); } text_block { EndQuotedCall(); }
    ;

tooltip_attribute
    : TOOLTIP { BeginTooltip(); } text_block { EndQuotedCall(); }
    ;

callback_attribute
    : CALLBACK { BeginCallback(); } text_block { EndCall(); }
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
    ;

textsize_attribute
    : TEXTSIZE NUMBER { EmitTextsize(); }
    ;

labelsize_attribute
    : LABELSIZE NUMBER { EmitLabelsize(); }
    ;

align_attribute
    : ALIGN NUMBER { EmitAlign(); }
    ;

visible_attribute
    : VISIBLE { EmitHiddenShow(); }
    ;

when_attribute
    : WHEN NUMBER { EmitWhen(); }
    ;

resizable_attribute
    : RESIZABLE { EmitResizable(); }
    ;

size_range_attribute
    : SIZE_RANGE LBRACE NUMBER { TakeRectX(); } NUMBER { TakeRectY(); } NUMBER { TakeRectW(); } NUMBER { TakeRectH(); } RBRACE { EmitSizeRange(); }
    ;

textfont_attribute
    : TEXTFONT NUMBER { EmitTextfont(); }
    ;

labelfont_attribute
    : LABELFONT NUMBER { EmitLabelfont(); }
    ;

code_attribute
    : CODE_N text_block { EmitNewline(); }
    ;

image_attribute
    : IMAGE { BeginImage(); } text_block { EndImage(); }
    ;

color_attribute
    : COLOR NUMBER { EmitColor(); }
    ;

labelcolor_attribute
    : LABELCOLOR NUMBER { EmitLabelcolor(); }
    ;

selection_color_attribute
    : SELECTION_COLOR NUMBER { EmitSelectionColor(); }
    ;

textcolor_attribute
    : TEXTCOLOR NUMBER { EmitTextcolor(); }
    ;

down_box_attribute
    : DOWN_BOX WORD { EmitDownBox(); }
    ;

box_attribute
    : BOX WORD { EmitBox(); }
    ;

labeltype_attribute
    : LABELTYPE WORD { EmitLabeltype(); }
    ;

%%
