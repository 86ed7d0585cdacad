#include "core/about_window.h"

#include <cstdlib>

namespace core {

TPoint CenteredIconOrigin(int boxWidth, int boxHeight, int iconWidth, int iconHeight) {
    return {(boxWidth - iconWidth) / 2, (boxHeight - iconHeight) / 2};
}

TRect SnapToEdges(const TRect& window, const TRect& workArea, int distance) {
    TRect r = window;
    auto shift = [&](int dx, int dy) {
        r.Left += dx;
        r.Right += dx;
        r.Top += dy;
        r.Bottom += dy;
    };
    if (std::abs(r.Left - workArea.Left) <= distance) shift(workArea.Left - r.Left, 0);
    else if (std::abs(workArea.Right - r.Right) <= distance) shift(workArea.Right - r.Right, 0);
    if (std::abs(r.Top - workArea.Top) <= distance) shift(0, workArea.Top - r.Top);
    else if (std::abs(workArea.Bottom - r.Bottom) <= distance) shift(0, workArea.Bottom - r.Bottom);
    return r;
}

TCommandStates IdleCommandStates(bool settingsDialogOpen, bool mainWindowVisible) {
    bool about = !settingsDialogOpen && !mainWindowVisible;
    return {!settingsDialogOpen, about, about};
}

}  // namespace core
