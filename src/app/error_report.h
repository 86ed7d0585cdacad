// Error boxes (error icon, OK only, the system's default caption) and opening targets through
// the shell.
#pragma once

#include <windows.h>

#include <string>

void ShowErrorMessage(const std::wstring& text);
void ShowResourceErrorMessage(UINT stringId);
// Shows the system's text for GetLastError(), without its trailing full stop and line break.
void ShowLastErrorMessage();
// The system's text for an error code, trimmed as shown in the box.
std::wstring LastErrorText(DWORD error);
// A string of the program's string table.
std::wstring LoadResString(UINT stringId);
// Opens a file, folder or address with the shell's default action; shows the system's error
// text when that fails.
void ShellOpen(const std::wstring& target);
