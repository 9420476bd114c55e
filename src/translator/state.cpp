// Initial values of the translation state.
#include "translator/state.h"

#include "scanner/output.h"

std::string widgetIdentifier;
bool widgetNamed = false;
std::string widgetType;
int ignoreType = 0;
long widgetLevel = 0;
std::string gWindowToCreate;
std::string gFluidConstant;
int rectx = 0;
int recty = 0;
int rectw = 0;
int recth = 0;

std::string gCurrentMenubar;
long gMenuLevel = 0;
const char* gMenuItemName = "nil";
const char* gMenuItemCallback = "nil";
const char* gMenuItemUserdata = "nil";
std::int32_t gMenuItemShortcut = 0;
int gMenuItemType = 0;
int gMenuItemFlags = 0;
int gMenuItemKind = 0;
bool gEntryIsSubmenu = false;
std::string gEntryCalls;

std::string className;
std::vector<std::string> openClasses;
std::string gClassAttribute;
bool gInGroupClass = false;

void ResetTranslation() {
    widgetIdentifier.clear();
    widgetNamed = false;
    widgetType.clear();
    ignoreType = 0;
    widgetLevel = 0;
    gWindowToCreate.clear();
    gFluidConstant.clear();
    rectx = recty = rectw = recth = 0;
    gCurrentMenubar.clear();
    gMenuLevel = 0;
    gMenuItemName = "nil";
    gMenuItemCallback = "nil";
    gMenuItemUserdata = "nil";
    gMenuItemShortcut = 0;
    gMenuItemType = 0;
    gMenuItemFlags = 0;
    gMenuItemKind = 0;
    gEntryIsSubmenu = false;
    gEntryCalls.clear();
    className.clear();
    openClasses.clear();
    gClassAttribute.clear();
    gInGroupClass = false;
    SetCallSink(Sink::Script);
    gCaptured.clear();
}
