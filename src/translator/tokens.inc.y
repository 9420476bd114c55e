/* The tokens of both grammars, with the codes the scanner returns
   (generated/translator/tokens.h). The default grammar reads the first
   block only; the second is the extended grammar's own. */

%token COMMENT 258
%token VERSION 259
%token HEADER_NAME 260
%token CODE_NAME 261
%token FUNCTION 262
%token WORD 263
%token LPAREN 264 "("
%token RPAREN 265 ")"
%token RBRACE 266 "}"
%token LBRACE 267 "{"
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

/* The scanner's own: a run of copied text handed over as one token has
   reached the lexeme that fills the default grammar's parse stack. */
%token STACK_FULL 341
