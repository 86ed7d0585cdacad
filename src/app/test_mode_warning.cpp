#include "app/main_form.h"
#include "app/startup_seams.h"

// Asked on Windows Vista only. A plain Yes/No box: the "Do not show again" choice comes with
// the warning's own form, so until then the question is asked at every start.
int ShowTestModeWarning(TMainForm& form, bool& doNotShowAgain) {
    doNotShowAgain = false;
    return MessageBoxW(nullptr,
                       L"In operating systems earlier than Windows 7, the program works in test mode. Continue?",
                       form.FApplicationTitle.c_str(), MB_YESNO | MB_ICONWARNING);
}
