// The actions only the extended grammar runs. Where the extended grammar
// reads what the default grammar reads, it runs the default actions
// (actions.h) at the same points.
#pragma once

struct Context;

// --- text that is dropped, captured or turned into comments -------------------
void BeginDroppedText(Context& ctx);
void EndDroppedText(Context& ctx);
void BeginSkippedBlock(Context& ctx);
void EndSkippedBlock(Context& ctx);
void BeginCommentLine(Context& ctx, const char* prefix);
void EndCommentLine(Context& ctx);
void EmitCommentLine(Context& ctx, const char* text);
void BeginCapturedText(Context& ctx);
void ReadNameNext(Context& ctx);

// --- items ----------------------------------------------------------------------
void BeginFunctionName(Context& ctx);
void EmitFunctionName(Context& ctx);
void BeginItemAttributes(Context& ctx);
void EndItemAttributes(Context& ctx);
void EmitDataComment(Context& ctx);
void TakeClassWord(Context& ctx);
void EmitClassComment(Context& ctx);
void EmitClassEnd(Context& ctx);
void OpenWidgetClass(Context& ctx);
void EmitWidgetClass(Context& ctx);
void CloseWidgetClass(Context& ctx);
void TakeBracedClass(Context& ctx);
void TakeBracedName(Context& ctx);
void TakeNameWord(Context& ctx);
void BeginMenuBody(Context& ctx);

// --- attributes -------------------------------------------------------------------
void BeginWidgetUserdata(Context& ctx);
void EmitClassAttribute(Context& ctx);
void EmitBracedClassAttribute(Context& ctx);
void EmitShortcut(Context& ctx);
void EmitShortcutNumber(Context& ctx);
void EmitHotspot(Context& ctx);
void EmitModal(Context& ctx);
void EmitNonModal(Context& ctx);
void EmitNoborder(Context& ctx);
void EmitDeactivate(Context& ctx);
void EmitHide(Context& ctx);
void EmitXclass(Context& ctx);
void EmitBracedXclass(Context& ctx);
void EmitTypeNumber(Context& ctx);
void EmitBoxNumber(Context& ctx);
void EmitDownBoxNumber(Context& ctx);
void EmitLabeltypeNumber(Context& ctx);
void BeginTextValue(Context& ctx);
void EndTextValue(Context& ctx);
void EmitColorCall(Context& ctx, const char* method);
void EmitOldColor(Context& ctx);
void EmitBoxCall(Context& ctx, const char* method);
void EmitLabeltypeCall(Context& ctx);
void EmitNumberCall(Context& ctx, const char* method);
void EndDeimage(Context& ctx);
void TakeAttributeWord(Context& ctx);

// --- menu entries ---------------------------------------------------------------
void BeginSubmenuEntry(Context& ctx);
void BeginItemEntry(Context& ctx);
void TakeMenuItemKind(Context& ctx);
void BeginEntryLabel(Context& ctx);
void BeginEntryCall(Context& ctx);
void EndEntryCall(Context& ctx);
void BeginEntryComment(Context& ctx);
void EndEntryComment(Context& ctx);
void EndEntryImage(Context& ctx);
void TakeItemShortcutNumber(Context& ctx);
void TakeItemTypeNumber(Context& ctx);
void TakeItemValue(Context& ctx);
void SetItemFlag(Context& ctx, int flag);
void EmitEntryAdd(Context& ctx);
void EmitSubmenuAdd(Context& ctx);
