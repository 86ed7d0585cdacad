#include "app/main_form.h"
#include "app/startup_seams.h"

// The About window's controls take their texts when they are created with the window's
// design; the texts themselves (title, version, copyright) are on the main form already.
void FillAboutTexts(TMainForm&) {}

// Enabling of the fixed commands at idle time works on the popup menu's items.
void UpdateCommandStates(TMainForm&) {}

// The settings dialog has no window yet; nothing follows the stack.
void ButtonFromStack(TMainForm&) {}
