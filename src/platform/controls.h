// Child controls laid out in 96-dpi design units and scaled to the screen.
#pragma once

#include <windows.h>

namespace platform {

// A visible child control at the design position and size, with the given font.
HWND CreateControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int x, int y,
                   int width, int height, int id, HFONT font);

}  // namespace platform
