#include "app/error_report.h"

#include "core/error_text.h"
#include "platform/application.h"
#include "platform/unique_handle.h"

#include <shellapi.h>

void ShowErrorMessage(const std::wstring& text) {
    HWND owner = GetActiveWindow();
    if (!owner) owner = platform::Application.MainWindow;
    MessageBoxW(owner, text.c_str(), nullptr, MB_ICONERROR | MB_OK);
}

std::wstring LoadResString(UINT stringId) {
    const wchar_t* text = nullptr;
    int length = LoadStringW(GetModuleHandleW(nullptr), stringId, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 && text ? std::wstring(text, length) : std::wstring();
}

void ShowResourceErrorMessage(UINT stringId) { ShowErrorMessage(LoadResString(stringId)); }

std::wstring LastErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS |
                                      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                                  nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    platform::UniqueLocalMem owner(buffer);
    return core::TrimErrorText(length && buffer ? std::wstring(buffer, length) : std::wstring());
}

void ShowLastErrorMessage() { ShowErrorMessage(LastErrorText(GetLastError())); }

void ShellOpen(const std::wstring& target) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpFile = target.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info)) ShowLastErrorMessage();
}
