// The arguments that the native menu messages hand to the item tree's draw and measure handlers.
#pragma once

#include <windows.h>

namespace core {

struct TMeasureItemArgs {
    HDC Canvas = nullptr;  // carries the system's menu font
    int Width = 0;
    int Height = 0;
};

struct TDrawItemArgs {
    HDC Canvas = nullptr;  // carries the system's menu font; its state is restored afterwards
    RECT Rect{};
    bool Selected = false;
    UINT State = 0;        // the ODS_* flags of the item
};

}  // namespace core
