#include "ui/tray_icon.h"

#include "platform/application.h"
#include "ui/popup_menu.h"

#include <shellapi.h>

namespace {
constexpr UINT kIconId = 1;
constexpr UINT_PTR kAnimationTimer = 1;
}  // namespace

TVeskTrayIcon::TVeskTrayIcon() = default;

TVeskTrayIcon::~TVeskTrayIcon() {
    SetVisible(false);
    SetAnimate(false);
}

void TVeskTrayIcon::EnsureWindow() {
    if (Handle()) return;
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    platform::WindowParams p;
    p.ClassName = L"TVeskTrayIcon";
    p.Style = WS_POPUP;  // hidden but top-level: "TaskbarCreated" is broadcast to top-level windows
    p.X = p.Y = p.Width = p.Height = 0;
    Create(p);
}

bool TVeskTrayIcon::Notify(DWORD message) {
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = Handle();
    nid.uID = kIconId;
    nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    nid.uCallbackMessage = WM_TRAYNOTIFY;
    nid.hIcon = picture_.get();
    lstrcpynW(nid.szTip, hint_.c_str(), static_cast<int>(std::size(nid.szTip)));
    return Shell_NotifyIconW(message, &nid) != FALSE;
}

void TVeskTrayIcon::UpdateIcon() {
    HICON icon = nullptr;
    if (icons_ && iconIndex_ >= 0 && iconIndex_ < ImageList_GetImageCount(icons_))
        icon = ImageList_GetIcon(icons_, iconIndex_, ILD_NORMAL);
    if (!icon)
        icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    picture_.reset(icon);
    if (visible_) Notify(NIM_MODIFY);
}

void TVeskTrayIcon::SetHint(const std::wstring& hint) {
    hint_ = hint;
    if (visible_) Notify(NIM_MODIFY);
}

void TVeskTrayIcon::SetVisible(bool visible) {
    if (visible == visible_) return;
    if (visible) {
        EnsureWindow();
        if (!picture_) UpdateIcon();
        visible_ = true;
        Notify(NIM_ADD);
    } else {
        Notify(NIM_DELETE);
        visible_ = false;
    }
}

void TVeskTrayIcon::SetIcons(HIMAGELIST icons) {
    icons_ = icons;
    UpdateIcon();
}

void TVeskTrayIcon::SetIconIndex(int index) {
    iconIndex_ = index;
    UpdateIcon();
}

void TVeskTrayIcon::SetAnimate(bool animate) {
    if (animate == animate_) return;
    animate_ = animate;
    if (animate) {
        EnsureWindow();
        SetTimer(Handle(), kAnimationTimer, AnimateInterval, nullptr);
    } else if (Handle()) {
        KillTimer(Handle(), kAnimationTimer);
    }
}

void TVeskTrayIcon::OpenMenu(unsigned char button) {
    if (!PopupMenu || button != FMouseButton) return;
    POINT cursor;
    if (!GetCursorPos(&cursor)) return;
    SetForegroundWindow(ForegroundWindow ? ForegroundWindow : Handle());
    platform::Application.ProcessMessages();
    if (PopupMenu) PopupMenu->Popup(cursor.x, cursor.y);
}

LRESULT TVeskTrayIcon::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TRAYNOTIFY) {
        switch (LOWORD(lParam)) {
        case WM_LBUTTONUP:
            OpenMenu(mbLeft);
            return 0;
        case WM_RBUTTONUP:
            OpenMenu(mbRight);
            return 0;
        case WM_MBUTTONUP:
            OpenMenu(mbMiddle);
            return 0;
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            return 0;
        case WM_LBUTTONDBLCLK:
            if (OnDblClick) OnDblClick();
            return 0;
        }
        return 0;
    }
    if (msg == WM_TIMER && wParam == kAnimationTimer) {
        int count = icons_ ? ImageList_GetImageCount(icons_) : 0;
        SetIconIndex(count > 0 ? (iconIndex_ + 1) % count : 0);
        return 0;
    }
    if (taskbarCreated_ && msg == taskbarCreated_) {
        // The taskbar was re-created (Explorer restarted): the icon must be added again.
        if (visible_) Notify(NIM_ADD);
        return 0;
    }
    return DefaultProc(msg, wParam, lParam);
}
