#include "app/main_form.h"
#include "app/startup_seams.h"
#include "core/about_window.h"


// At idle time: Settings only while no settings dialog is open, About only while the About
// window is hidden too, and About is the default item exactly when it can be chosen.
void UpdateCommandStates(TMainForm& form) {
    core::TCommandStates states = core::IdleCommandStates(form.FSettingsForm != nullptr, IsWindowVisible(form.Handle()));
    EnableWindow(form.SettingsButton, states.SettingsEnabled);
    form.SettingsMenuItem->Enabled = states.SettingsEnabled;
    form.AboutMenuItem->Enabled = states.AboutEnabled;
    form.AboutMenuItem->Default = states.AboutDefault;
}

// The settings dialog has no window yet; nothing follows the stack.
void ButtonFromStack(TMainForm&) {}
