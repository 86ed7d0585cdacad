// The About window: its controls as designed, their texts, links and buttons, and the settings
// dialog it opens.
#include "app/error_report.h"
#include "app/main_form.h"
#include "app/startup_seams.h"
#include "core/about_window.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/icon_size.h"
#include "resource_ids.h"
#include "settings/settings_form.h"

#include <commctrl.h>

using platform::ScaleToDpi;

namespace {

constexpr int kSettingsButtonId = 101;

// Sizes a label to its text, as an auto-sizing label does.
void FitLabel(HWND label) {
    wchar_t text[512] = {};
    int length = GetWindowTextW(label, text, 512);
    HDC dc = GetDC(label);
    auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text, length, &size);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    SetWindowPos(label, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool IsWebAddress(const wchar_t* url) {
    return _wcsnicmp(url, L"http://", 7) == 0 || _wcsnicmp(url, L"https://", 8) == 0;
}

}  // namespace

LRESULT TPaintBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        RECT box;
        GetClientRect(Handle(), &box);
        if (OnPaint) OnPaint(dc, box);
        EndPaint(Handle(), &ps);
        return 0;
    }
    return DefaultProc(msg, wParam, lParam);
}

void TMainForm::CreateAboutControls() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_LINK_CLASS | ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    // Tahoma 8 point at the screen's DPI.
    FFont.reset(CreateFontW(-MulDiv(8, platform::ScreenDpi(), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH, L"Tahoma"));
    auto child = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id) {
        return platform::CreateControl(Handle(), cls, text, style, x, y, w, h, id, FFont.get());
    };

    // In the order of creation, which is also the tab order of the focusable ones.
    platform::WindowParams box;
    box.ClassName = L"TPaintBox";
    box.Style = WS_CHILD | WS_VISIBLE;
    box.X = ScaleToDpi(8);
    box.Y = ScaleToDpi(8);
    box.Width = box.Height = ScaleToDpi(32);
    box.Parent = Handle();
    PaintBox.OnPaint = [this](HDC dc, const RECT& r) { PaintBoxPaint(dc, r); };
    PaintBox.Create(box);
    BevelRect = {ScaleToDpi(48), ScaleToDpi(8), ScaleToDpi(48 + 444), ScaleToDpi(8 + 101)};
    L1 = child(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 48, 8, 10, 13, -1);
    L2 = child(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 48, 25, 10, 13, -1);
    L3 = child(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 48, 42, 10, 13, -1);
    std::wstring home = L"Home page: <a href=\"" VESKARA_HOME_URL_W L"\">" VESKARA_HOME_TEXT_W L"</a>";
    std::wstring support = L"Product Support: <a href=\"" VESKARA_SUPPORT_URL_W L"\">" VESKARA_SUPPORT_TEXT_W L"</a>";
    LL1 = child(WC_LINK, home.c_str(), WS_TABSTOP, 48, 63, 206, 17, -1);
    LL2 = child(WC_LINK, support.c_str(), WS_TABSTOP, 48, 80, 302, 17, -1);
    SettingsButton = child(L"BUTTON", L"&Settings...", WS_TABSTOP | BS_PUSHBUTTON, 48, 125, 75, 23, kSettingsButtonId);
    OKButton = child(L"BUTTON", L"OK", WS_TABSTOP | BS_DEFSPLITBUTTON, 417, 125, 75, 23, IDOK);
}

// Start-up fills the texts once the program's identity is known.
void FillAboutTexts(TMainForm& form) {
    SetWindowTextW(form.L1, form.FApplicationTitle.c_str());
    LOGFONTW lf{};
    GetObjectW(form.FFont.get(), sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;  // the other style flags stay
    form.FBoldFont.reset(CreateFontIndirectW(&lf));
    SendMessageW(form.L1, WM_SETFONT, reinterpret_cast<WPARAM>(form.FBoldFont.get()), TRUE);
    SetWindowTextW(form.L2, form.FVersionText.c_str());
    SetWindowTextW(form.L3, form.FCopyright.c_str());
    for (HWND label : {form.L1, form.L2, form.L3}) FitLabel(label);
    SetWindowTextW(form.OKButton, LoadResString(IDS_OK).c_str());
}

void TMainForm::PaintBoxPaint(HDC dc, const RECT& box) {
    int size = GetSystemMetrics(SM_CXICON);
    platform::UniqueHIcon icon(
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, size, size, 0)));
    if (!icon) return;
    SIZE picture = platform::IconSize(icon.get());
    core::TPoint at = core::CenteredIconOrigin(box.right - box.left, box.bottom - box.top, picture.cx, picture.cy);
    DrawIconEx(dc, at.X, at.Y, icon.get(), picture.cx, picture.cy, 0, nullptr, DI_NORMAL);
}

void TMainForm::ShowSettingsDialog() {
    TSettingsForm form(Handle());
    FSettingsForm = &form;
    struct Clear {
        TMainForm* self;
        ~Clear() { self->FSettingsForm = nullptr; }
    } clear{this};
    form.ShowModal();
}

bool TMainForm::AboutWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_CLOSE:
        // FormClose: closing only hides the window; the Exit command ends the program.
        ShowWindow(Handle(), SW_HIDE);
        result = 0;
        return true;
    case DM_GETDEFID:
        result = MAKELRESULT(IDOK, DC_HASDEFID);
        return true;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK && HIWORD(wParam) == BN_CLICKED) {
            SendMessageW(Handle(), WM_CLOSE, 0, 0);  // OKButtonClick
            return true;
        }
        if (LOWORD(wParam) == kSettingsButtonId && HIWORD(wParam) == BN_CLICKED) {
            ShowSettingsDialog();  // SettingsButtonClick: no command sound
            return true;
        }
        return false;
    case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        if ((hdr->hwndFrom == LL1 || hdr->hwndFrom == LL2) && (hdr->code == NM_CLICK || hdr->code == NM_RETURN)) {
            // LL1LinkClick: web addresses open through the shell; other link kinds do nothing.
            auto* link = reinterpret_cast<NMLINK*>(lParam);
            if (IsWebAddress(link->item.szUrl)) ShellOpen(link->item.szUrl);
            result = 0;
            return true;
        }
        if (hdr->hwndFrom == OKButton && hdr->code == BCN_DROPDOWN) {
            RECT r;
            GetWindowRect(OKButton, &r);
            PopupMenu.Popup(r.left, r.bottom);
            result = 0;
            return true;
        }
        return false;
    }
    case WM_CTLCOLORSTATIC:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        return true;
    case WM_PAINT: {
        // The bevel shows only its bottom line.
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        RECT line = BevelRect;
        DrawEdge(dc, &line, EDGE_ETCHED, BF_BOTTOM);
        EndPaint(Handle(), &ps);
        result = 0;
        return true;
    }
    case WM_MOVING: {
        // Dragged near a screen edge, the window lies on it.
        auto* r = reinterpret_cast<RECT*>(lParam);
        MONITORINFO mi{sizeof mi};
        GetMonitorInfoW(MonitorFromRect(r, MONITOR_DEFAULTTONEAREST), &mi);
        core::TRect snapped = core::SnapToEdges({r->left, r->top, r->right, r->bottom},
                                                {mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom},
                                                core::kSnapDistance);
        *r = {snapped.Left, snapped.Top, snapped.Right, snapped.Bottom};
        result = TRUE;
        return true;
    }
    }
    return false;
}
