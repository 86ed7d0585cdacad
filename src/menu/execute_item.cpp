// Running a chosen menu item: a file opens through the shell and is remembered in the usage
// stack in force; a folder's submenu opening only sounds.
#include "app/error_report.h"
#include "app/main_form.h"
#include "app/startup_seams.h"

void TMainForm::ExecuteItem(core::TMenuItem& sender) {
    PlayCommandSound();
    if (!sender.Data) return;
    const std::wstring file = sender.Data->AbsoluteFilename;
    ShellOpen(file);  // the file's default action; the system's error text when it fails
    // Remembered whether or not it started: the user chose it.
    AppropStack().Push(file);
    ButtonFromStack(*this);
}

void TMainForm::FolderClick(core::TMenuItem&) { PlayCommandSound(); }
