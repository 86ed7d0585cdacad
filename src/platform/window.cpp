#include "platform/window.h"

namespace platform {

TWindow::~TWindow() { DestroyHandle(); }

void TWindow::DestroyHandle() {
    if (!hwnd_) return;
    // The object is going away: later messages of the dying window take the default path.
    SetWindowLongPtrW(hwnd_.get(), GWLP_USERDATA, 0);
    hwnd_.reset();
}

bool TWindow::Create(const WindowParams& p) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(instance, p.ClassName, &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = StaticProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hIcon = p.Icon;
        wc.hbrBackground = p.Background;
        wc.lpszClassName = p.ClassName;
        if (!RegisterClassExW(&wc)) return false;
    }
    HWND hwnd = CreateWindowExW(p.ExStyle, p.ClassName, p.Caption.c_str(), p.Style, p.X, p.Y, p.Width,
                                p.Height, p.Parent, nullptr, instance, this);
    return hwnd != nullptr;
}

LRESULT TWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) { return DefaultProc(msg, wParam, lParam); }

LRESULT TWindow::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_.get(), msg, wParam, lParam);
}

LRESULT CALLBACK TWindow::StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_.reset(hwnd);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        // Destroyed from outside (not through the holder): forget the handle.
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        LRESULT r = DefWindowProcW(hwnd, msg, wParam, lParam);
        self->hwnd_.release();
        return r;
    }
    return self->WndProc(msg, wParam, lParam);
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int ScaleToDpi(int designPixels) { return MulDiv(designPixels, ScreenDpi(), 96); }

}  // namespace platform
