#include "platform/icon_size.h"

#include "platform/unique_handle.h"

namespace platform {

SIZE IconSize(HICON icon) {
    if (!icon) return {};
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {};
    UniqueHBitmap color(info.hbmColor), mask(info.hbmMask);
    BITMAP bm{};
    if (color && GetObjectW(color.get(), sizeof bm, &bm)) return {bm.bmWidth, bm.bmHeight};
    // A monochrome icon keeps its picture and mask one above the other.
    if (mask && GetObjectW(mask.get(), sizeof bm, &bm)) return {bm.bmWidth, bm.bmHeight / 2};
    return {};
}

}  // namespace platform
