// The program's icon in the notification area: opens the popup menu with the configured mouse
// button, raises a double-click event, and animates while the menu is built.
#pragma once

#include "platform/unique_handle.h"
#include "platform/window.h"

#include <commctrl.h>

#include <functional>
#include <string>

class TVeskPopupMenu;

// The notification message the shell sends to the icon's window.
inline constexpr UINT WM_TRAYNOTIFY = WM_USER + 1;

enum TMouseButton : unsigned char { mbLeft = 0, mbRight = 1, mbMiddle = 2 };

class TVeskTrayIcon : public platform::TWindow {
public:
    TVeskTrayIcon();
    ~TVeskTrayIcon() override;

    // The button whose release opens the menu (low byte of the stored setting).
    unsigned char FMouseButton = mbRight;
    // The menu to open; nullptr while the menu is being built.
    TVeskPopupMenu* PopupMenu = nullptr;
    std::function<void()> OnDblClick;
    // The window brought to the foreground before the menu opens, so that it closes when the
    // user clicks elsewhere.
    HWND ForegroundWindow = nullptr;
    UINT AnimateInterval = 100;

    void SetHint(const std::wstring& hint);
    const std::wstring& Hint() const { return hint_; }
    void SetVisible(bool visible);
    bool Visible() const { return visible_; }
    // The pictures: image IconIndex of Icons; the program's main icon when there is no list.
    void SetIcons(HIMAGELIST icons);
    HIMAGELIST Icons() const { return icons_; }
    void SetIconIndex(int index);
    int IconIndex() const { return iconIndex_; }
    void SetAnimate(bool animate);
    bool Animate() const { return animate_; }

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void EnsureWindow();
    bool Notify(DWORD message);
    void UpdateIcon();
    void OpenMenu(unsigned char button);

    std::wstring hint_;
    bool visible_ = false;
    HIMAGELIST icons_ = nullptr;
    int iconIndex_ = 0;
    bool animate_ = false;
    platform::UniqueHIcon picture_;
    UINT taskbarCreated_ = 0;
};
