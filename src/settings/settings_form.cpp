#include "settings/settings_form.h"

#include "app/error_report.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "resource_ids.h"

#include <commctrl.h>

using platform::ScaleToDpi;

namespace {
constexpr int kApplyId = 100;
constexpr int kClientWidth = 450, kClientHeight = 600;
}  // namespace

TSettingsForm::TSettingsForm(HWND owner) : owner_(owner) {
    platform::WindowParams p;
    p.ClassName = L"TSettingsForm";
    p.Caption = L"Settings";
    p.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN;
    p.ExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    RECT r{0, 0, ScaleToDpi(kClientWidth), ScaleToDpi(kClientHeight)};
    AdjustWindowRectEx(&r, p.Style, FALSE, p.ExStyle);
    p.Width = r.right - r.left;
    p.Height = r.bottom - r.top;
    // Centred on the screen.
    p.X = (GetSystemMetrics(SM_CXSCREEN) - p.Width) / 2;
    p.Y = (GetSystemMetrics(SM_CYSCREEN) - p.Height) / 2;
    p.Parent = owner;
    p.Background = GetSysColorBrush(COLOR_BTNFACE);
    Create(p);
    CreateControls();
}

void TSettingsForm::CreateControls() {
    font_.reset(CreateFontW(-ScaleToDpi(11), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                            L"Tahoma"));
    auto child = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id) {
        return platform::CreateControl(Handle(), cls, text, style, x, y, w, h, id, font_.get());
    };
    pageControl_ = child(WC_TABCONTROLW, L"", WS_TABSTOP | TCS_MULTILINE, 8, 8, 434, 553, 0);
    const wchar_t* pages[] = {L"General", L"Appearance", L"Icon Size", L"Picture", L"Performance", L"Main Window"};
    for (int i = 0; i < 6; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(pages[i]);
        SendMessageW(pageControl_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    std::wstring ok = LoadResString(IDS_OK);
    okButton_ = child(L"BUTTON", ok.c_str(), WS_TABSTOP | BS_DEFPUSHBUTTON, 201, 569, 75, 23, IDOK);
    cancelButton_ = child(L"BUTTON", L"Cancel", WS_TABSTOP | BS_PUSHBUTTON, 284, 569, 75, 23, IDCANCEL);
    applyButton_ = child(L"BUTTON", L"Appl&y", WS_TABSTOP | BS_PUSHBUTTON, 367, 569, 75, 23, kApplyId);
    EnableWindow(applyButton_, FALSE);  // nothing to apply at opening
}

int TSettingsForm::ShowModal() {
    // Modal for the program's windows: the owner takes no input while the dialog is open.
    bool ownerWasEnabled = owner_ && IsWindowEnabled(owner_);
    if (owner_) EnableWindow(owner_, FALSE);
    platform::Application.AddDialogWindow(Handle());
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    platform::Application.RunModal([this] { return modalResult_ != mrNone || !Handle(); });
    platform::Application.RemoveDialogWindow(Handle());
    if (owner_ && ownerWasEnabled) EnableWindow(owner_, TRUE);
    ShowWindow(Handle(), SW_HIDE);
    return modalResult_ == mrNone ? mrCancel : modalResult_;
}

void TSettingsForm::Close(int result) { modalResult_ = result; }

LRESULT TSettingsForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) Close(mrOk);
        if (LOWORD(wParam) == IDCANCEL) Close(mrCancel);
        return 0;
    case WM_CLOSE:
        Close(mrCancel);
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(IDOK, DC_HASDEFID);
    }
    return DefaultProc(msg, wParam, lParam);
}
