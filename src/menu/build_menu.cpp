#include "app/main_form.h"
#include "app/startup_seams.h"

// Building the menu from the Start Menu folders, watching them, and freeing the built items.
void BuildMenu(TMainForm&) {}
void StopWatchers(TMainForm&) {}
void ClearMenu(TMainForm&) {}
