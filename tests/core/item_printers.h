// Readable failure messages for the geometry types.
#pragma once

#include <ostream>

#include "core/item_geometry.h"

namespace core {
inline void PrintTo(const TRect& r, std::ostream* os) {
    *os << "{" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << "}";
}
inline void PrintTo(const TPoint& p, std::ostream* os) { *os << "(" << p.X << ", " << p.Y << ")"; }
inline void PrintTo(const TSize& s, std::ostream* os) { *os << s.Width << " x " << s.Height; }
}  // namespace core
