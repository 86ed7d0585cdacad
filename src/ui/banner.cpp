#include "app/main_form.h"
#include "app/startup_seams.h"

// The banner picture is drawn along the top-level menu; until it is loaded the menu has none.
void LoadAppropBanner(TMainForm&) {}
