// Decisions of the About window that need no window system: where the icon sits in its box,
// how the window snaps to the screen edges, and which commands are enabled at idle time.
#pragma once

namespace core {

struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};

struct TPoint {
    int X = 0, Y = 0;
    bool operator==(const TPoint&) const = default;
};

// The icon centred in its box, both divisions truncated toward zero.
TPoint CenteredIconOrigin(int boxWidth, int boxHeight, int iconWidth, int iconHeight);

// A window dragged to within `distance` pixels of an edge of the work area lies on that edge.
TRect SnapToEdges(const TRect& window, const TRect& workArea, int distance);
inline constexpr int kSnapDistance = 10;

struct TCommandStates {
    bool SettingsEnabled;  // menu item and button
    bool AboutEnabled;
    bool AboutDefault;
    bool operator==(const TCommandStates&) const = default;
};
TCommandStates IdleCommandStates(bool settingsDialogOpen, bool mainWindowVisible);

}  // namespace core
