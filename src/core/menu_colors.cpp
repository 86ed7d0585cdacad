#include "core/menu_colors.h"

#include <algorithm>
#include <cmath>

namespace core {

namespace {

// Nearest integer, halves to even, whatever the floating-point rounding mode is.
double RoundHalfEven(double x) {
    double floor = std::floor(x);
    double rest = x - floor;
    if (rest > 0.5) return floor + 1;
    if (rest < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

}  // namespace

TColorRef BlendMenuColor(double ratio, TColorRef menu, TColorRef highlight) {
    TColorRef result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        int m = int((menu >> shift) & 0xFF);
        int h = int((highlight >> shift) & 0xFF);
        int byte = m + int(RoundHalfEven((h - m) * ratio));
        result |= TColorRef(std::clamp(byte, 0, 255)) << shift;
    }
    return result;
}

}  // namespace core
