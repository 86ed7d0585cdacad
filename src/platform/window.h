// A top-level or child window whose messages go to a virtual handler of its object.
#pragma once

#include "platform/unique_handle.h"

#include <string>

namespace platform {

struct WindowParams {
    const wchar_t* ClassName = nullptr;
    std::wstring Caption;
    DWORD Style = WS_OVERLAPPEDWINDOW;
    DWORD ExStyle = 0;
    int X = CW_USEDEFAULT, Y = CW_USEDEFAULT, Width = CW_USEDEFAULT, Height = CW_USEDEFAULT;
    HWND Parent = nullptr;
    HICON Icon = nullptr;
    HBRUSH Background = nullptr;
};

class TWindow {
public:
    TWindow() = default;
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;
    virtual ~TWindow();

    HWND Handle() const { return hwnd_.get(); }
    bool Create(const WindowParams& params);
    void DestroyHandle();

protected:
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    UniqueHWnd hwnd_;
};

// The DPI the program's windows are laid out for, and scaling of 96-dpi design sizes.
int ScreenDpi();
int ScaleToDpi(int designPixels);

}  // namespace platform
