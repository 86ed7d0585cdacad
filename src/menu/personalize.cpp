#include "app/main_form.h"
#include "app/startup_seams.h"

// Until usage promotes items, the menu shows everything: no expansion items, N1 hidden.
void PersonalizeMenu(TMainForm& form) {
    core::ShowAllItems(form.PopupMenu.Items, core::kTopLevelReserve);
    form.N1->Visible = false;
}
