// The actions only the extended grammar runs. Where the extended grammar
// reads what the default grammar reads, it runs the default actions
// (actions.h) at the same points.
#pragma once

// --- text that is dropped, captured or turned into comments -------------------
void BeginDroppedText();
void EndDroppedText();
void BeginSkippedBlock();
void EndSkippedBlock();
void BeginCommentLine(const char* prefix);
void EndCommentLine();
void EmitCommentLine(const char* text);
void BeginCapturedText();
void ReadNameNext();

// --- items ----------------------------------------------------------------------
void BeginFunctionName();
void EmitFunctionName();
void BeginItemAttributes();
void EndItemAttributes();
void EmitDataComment();
void TakeClassWord();
void EmitClassComment();
void EmitClassEnd();
void OpenWidgetClass();
void EmitWidgetClass();
void CloseWidgetClass();
void TakeBracedClass();
void TakeBracedName();
void TakeNameWord();
void BeginMenuBody();

// --- attributes -------------------------------------------------------------------
void BeginWidgetUserdata();
void EmitClassAttribute();
void EmitBracedClassAttribute();
void EmitShortcut();
void EmitShortcutNumber();
void EmitHotspot();
void EmitModal();
void EmitNonModal();
void EmitNoborder();
void EmitDeactivate();
void EmitHide();
void EmitXclass();
void EmitBracedXclass();
void EmitTypeNumber();
void EmitBoxNumber();
void EmitDownBoxNumber();
void EmitLabeltypeNumber();
void BeginTextValue();
void EndTextValue();
void EmitIntegerCall(const char* method);
void EmitColorCall(const char* method);
void EmitOldColor();
void EmitBoxCall(const char* method);
void EmitLabeltypeCall();
void EmitNumberCall(const char* method);
void EndDeimage();
void TakeAttributeWord();

// --- menu entries ---------------------------------------------------------------
void BeginSubmenuEntry();
void BeginItemEntry();
void TakeMenuItemKind();
void BeginEntryLabel();
void BeginEntryCall();
void EndEntryCall();
void BeginEntryComment();
void EndEntryComment();
void EndEntryImage();
void TakeItemShortcutNumber();
void TakeItemTypeNumber();
void TakeItemValue();
void SetItemFlag(int flag);
void EmitEntryAdd();
void EmitSubmenuAdd();
