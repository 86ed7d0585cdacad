#include "app/main_form.h"
#include "app/startup_seams.h"

// The About window's controls take their texts when they are created with the window's
// design; the texts themselves (title, version, copyright) are on the main form already.
void FillAboutTexts(TMainForm&) {}

// At idle time: Settings only while no settings dialog is open, About only while the About
// window is hidden too, and About is the default item exactly when it can be chosen.
void UpdateCommandStates(TMainForm& form) {
    form.SettingsMenuItem->Enabled = form.FSettingsForm == nullptr;
    form.AboutMenuItem->Enabled = form.FSettingsForm == nullptr && !IsWindowVisible(form.Handle());
    form.AboutMenuItem->Default = form.AboutMenuItem->Enabled;
}

// The settings dialog has no window yet; nothing follows the stack.
void ButtonFromStack(TMainForm&) {}
