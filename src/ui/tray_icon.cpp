#include "app/main_form.h"
#include "app/startup_seams.h"

// The notification-area icon and its window.
void SetTrayHint(TMainForm&, const std::wstring&) {}
void ShowTrayIcon(TMainForm&) {}
