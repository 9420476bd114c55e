/* The FLUID grammar. It builds no tree and keeps no semantic values: every
 * action is a call into widget_actions.cpp or menu_actions.cpp, which read
 * the context: the token fetched last and the translation state. Where an action stands inside an
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

%code requires {
struct Context;
}

%define api.value.type {struct NoValue}
%define api.pure full
%param {Context& ctx}
/* Bison's names of the tokens, for the tests (GrammarTokenName). */
%token-table

%code {
#include "translator/actions.h"
#include "translator/context.h"
#include "translator/parser_support.h"

/* The scanner learns how many more entries the parse stack takes, so that a
 * run of copied text handed over as one token ends where one token per lexeme
 * would have filled it. Bison's yacc.c keeps the stack from yyss to yyssp and
 * gives up when it would hold YYMAXDEPTH entries. */
#define yylex(value, context) (context).scanner.Next(YYMAXDEPTH - 1 - (yyssp - yyss + 1))
/* Nothing is printed: the translation reports the message once the parse has returned. */
static void yyerror(Context& ctx, const char* message) { ctx.parseFailure = message; }
}

%expect 0

@TOKENS@

%start fluid_file

%%

fluid_file
    : COMMENT VERSION HEADER_NAME CODE_NAME function_block
    ;

function_block
    : FUNCTION LBRACE { EmitFunctionHead(ctx); } WORD { EmitTokenText(ctx); } LPAREN RPAREN { EmitFunctionParens(ctx); } RBRACE LBRACE attribute_list RBRACE LBRACE item_list RBRACE { EmitFunctionEnd(ctx); }
    ;

item_list
    : item { EmitNewline(ctx); } item_list
    | item
    ;

item
    : CODE LBRACE text RBRACE LBRACE attribute_list RBRACE
    | { BeginWidgetClass(ctx); } widget_class { TakeWidgetClass(ctx); } widget_name { OpenWidget(ctx); } LBRACE attribute_list RBRACE child_block { CloseWidget(ctx); }
    | { BeginWidgetClass(ctx); } FL_MENU_BAR { TakeWidgetClass(ctx); } widget_name { OpenMenuBar(ctx); } LBRACE attribute_list RBRACE menu_body { CloseGroup(ctx); }
    | { BeginWidgetClass(ctx); } FL_GROUP { TakeWidgetClass(ctx); } widget_name { OpenGroup(ctx); } LBRACE attribute_list RBRACE child_block { CloseGroup(ctx); }
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
    : { EnterSubmenu(ctx); } SUBMENU widget_name LBRACE submenu_attributes RBRACE menu_body { LeaveSubmenu(ctx); }
    ;

menu_item
    : MENUITEM widget_name LBRACE { ResetMenuItemSettings(ctx); } menu_item_attributes RBRACE { EmitMenuItemAdd(ctx); }
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
    ;

menu_item_attributes
    : {} common_attribute menu_item_attributes
    | LABEL { BeginItemLabel(ctx); } text_block { EndQuotedLine(ctx); } menu_item_attributes
    | CALLBACK { BeginItemCallback(ctx); } text_block { EmitNewline(ctx); } menu_item_attributes
    | USER_DATA { BeginItemUserdata(ctx); } text_block { EndQuotedLine(ctx); } menu_item_attributes
    | SHORTCUT HEX { TakeItemShortcut(ctx); } menu_item_attributes
    | TYPE WORD { TakeItemType(ctx); } menu_item_attributes
    | XYWH LBRACE NUMBER NUMBER NUMBER NUMBER RBRACE menu_item_attributes
    | %empty
    ;

submenu_attributes
    : {} common_attribute submenu_attributes
    | LABEL { BeginSubmenuLabel(ctx); } text_block { EndSubmenuLabel(ctx); } submenu_attributes
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
    | WORD { ReportUnknownAttribute(ctx); }
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
    | WORD { ReportUnknownAttribute(ctx); }
    ;

widget_name
    : WORD { TakeWidgetName(ctx); }
    | LBRACE RBRACE { DefaultWidgetName(ctx); }
    ;

text_block
    : text RBRACE
    ;

text
    : TEXT
    | TEXT text
    | STACK_FULL { YYNOMEM; }  /* in a run of text, at the lexeme that fills the stack */
    ;

type_attribute
    : TYPE LBRACE WORD { BeginTypePair(ctx); } WORD { EndTypePair(ctx); } RBRACE
    | TYPE WORD { EmitType(ctx); }
    ;

value_attribute
    : VALUE number { EmitValue(ctx); }
    ;

color_attribute
    : COLOR NUMBER { EmitColor(ctx); }
    ;

labelcolor_attribute
    : LABELCOLOR NUMBER { EmitLabelcolor(ctx); }
    ;

selection_color_attribute
    : SELECTION_COLOR NUMBER { EmitSelectionColor(ctx); }
    ;

textcolor_attribute
    : TEXTCOLOR NUMBER { EmitTextcolor(ctx); }
    ;

down_box_attribute
    : DOWN_BOX WORD { EmitDownBox(ctx); }
    ;

box_attribute
    : BOX WORD { EmitBox(ctx); }
    ;

labeltype_attribute
    : LABELTYPE WORD { EmitLabeltype(ctx); }
    ;

@ATTRIBUTE_RULES@
%%

const char* GrammarTokenName(int token) {
    return yysymbol_name(YYTRANSLATE(token));
}
