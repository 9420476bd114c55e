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
void TakeBracedClass();
void TakeBracedName();
void BeginMenuBody();

// --- attributes -------------------------------------------------------------------
void BeginWidgetUserdata();
void EmitClassAttribute();
void EmitShortcut();
void EmitShortcutNumber();
void EmitHotspot();
void EmitModal();
void EmitNonModal();
void EmitNoborder();
void EmitDeactivate();
void EmitHide();
void EmitXclass();
void EmitTypeNumber();
void EmitBoxNumber();
void EmitDownBoxNumber();
void EmitLabeltypeNumber();
void BeginTextValue();
void EndTextValue();

// --- menu entries ---------------------------------------------------------------
void BeginEntryCall();
void EndEntryCall();
void TakeItemShortcutNumber();
void TakeItemTypeNumber();
void SetItemFlag(int flag);
void ApplyItemFlags();
