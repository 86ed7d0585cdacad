#include "platform/controls.h"

#include "platform/window.h"

namespace platform {

HWND CreateControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int x, int y,
                   int width, int height, int id, HFONT font) {
    HWND hwnd = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, ScaleToDpi(x), ScaleToDpi(y),
                                ScaleToDpi(width), ScaleToDpi(height), parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (hwnd && font) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return hwnd;
}

}  // namespace platform
