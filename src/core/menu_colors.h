// Colours of the menu: the two tints of demoted items are mixes of the menu colour and the
// button highlight colour.
#pragma once

#include <cstdint>

namespace core {

// A Windows colour value: red in the low byte, then green, then blue; top byte 0.
using TColorRef = std::uint32_t;

constexpr TColorRef Rgb(int r, int g, int b) {
    return TColorRef(r & 0xFF) | (TColorRef(g & 0xFF) << 8) | (TColorRef(b & 0xFF) << 16);
}

// Menu + (highlight - menu) x ratio in each byte, the step rounded to the nearest integer with
// exact halves going to the even neighbour. Ratio 0 is the menu colour, 1 the highlight.
TColorRef BlendMenuColor(double ratio, TColorRef menu, TColorRef highlight);

// The system colours the item painting asks for; the Win32 side maps them to COLOR_* values.
enum class TMenuColor {
    Menu,           // item background
    MenuHilight,    // selection with flat menus
    Highlight,      // selection otherwise
    HighlightText,  // caption of a selected enabled item
    MenuText,       // caption of an enabled item, chevrons
    BtnShadow,      // caption of a disabled item
    BtnHighlight,   // its embossed copy
};

}  // namespace core
