// What drawing one menu item paints, in order, as rectangles, points, colours and visual-style
// states. The Win32 side carries the plan out with GDI or the visual-style API and decides
// nothing itself.
#pragma once

#include <array>

#include "core/item_geometry.h"
#include "core/menu_colors.h"
#include "core/menu_item.h"

namespace core {

// The popup item part of the visual style's MENU class and its states.
inline constexpr int kMenuPopupItem = 14;
inline constexpr int kMpiNormal = 1;
inline constexpr int kMpiHot = 2;
inline constexpr int kMpiDisabled = 3;
inline constexpr int kMpiDisabledHot = 4;

// Sides of the sunken frame of demoted items, with the values DrawEdge takes.
inline constexpr unsigned kEdgeTop = 0x2;
inline constexpr unsigned kEdgeLeftRight = 0x1 | 0x4;
inline constexpr unsigned kEdgeBottom = 0x8;

enum class TItemKind {
    Command,      // the five fixed commands
    Data,         // a file or folder
    Placeholder,  // "(Empty)"
    Expansion,    // N1 and the expansion item at the end of a folder
};
TItemKind ItemKindOf(bool isCommand, const TMenuItem& item);

// First and last item of a run of demoted items among the siblings; a run is split where a
// menu column ends. The top level's six form items are not part of any run.
bool FirstOfDemotedRun(const TMenuItem& item, bool disableBreaks, int columnSize);
bool LastOfDemotedRun(const TMenuItem& item, bool disableBreaks, int columnSize);

struct TDemotedLook {
    bool Tinted = false;  // background tints and left and right edges
    bool Top = false;     // top edge: a run starts here
    bool Bottom = false;  // bottom edge: a run ends here
    bool operator==(const TDemotedLook&) const = default;
};
// personalized: the personalized menu is in force (not static, usage stack not empty).
TDemotedLook DemotedLookOf(const TMenuItem& item, TItemKind kind, bool personalized, bool disableBreaks,
                           int columnSize);

struct TDrawInput {
    TRect Rect;                 // the item rectangle
    int BannerWidth = 0;        // the banner picture's width when the item shows it, else 0
    TItemKind Kind = TItemKind::Data;
    bool Selected = false;
    bool Enabled = true;
    bool Default = false;
    bool HasImage = false;      // ImageIndex is not -1
    TSize List;                 // icon size of the item's image list
    TAdditionalIconInfo Additional;
    bool NoExtraIcons = false;
    bool Themed = false;        // a visual style is in effect
    bool FlatMenu = false;
    TDemotedLook Demoted;
};

enum class TFrameLook {
    None,
    Fill,        // a solid fill with Color
    RaisedEdge,  // a raised inner edge on all four sides
    Theme,       // the visual style's popup item background in ThemeState
};

struct TFrame {
    TFrameLook Look = TFrameLook::None;
    TRect Rect;
    TMenuColor Color = TMenuColor::Menu;
    int ThemeState = 0;
};

struct TCaptionPlan {
    bool Draw = false;
    TRect Rect;
    bool Bold = false;
    int ThemeState = 0;                    // with a visual style
    TMenuColor Color = TMenuColor::MenuText;  // without one
    bool Emboss = false;                   // a highlight copy first, at EmbossRect
    TRect EmbossRect;
};

struct TItemDrawPlan {
    TRect R;                    // the item's own rectangle, right of the banner
    bool Tinted = false;        // demoted: AreaTint in the additional-icons tint, then DemotedTint
    TRect AreaTint;
    TRect DemotedTint;
    bool Edge = false;          // DrawEdge with EdgeSides (possibly none) on R, sunken outer
    unsigned EdgeSides = 0;
    TFrame Selection;
    TFrame IconFrame;
    bool ItemIcon = false;
    TPoint ItemIconAt;
    bool AdditionalIcon = false;
    TPoint AdditionalIconAt;
    TCaptionPlan Caption;
    bool Chevrons = false;
    TPoint ChevronAt;           // the upper chevron; the lower one is 4 pixels down
};

TItemDrawPlan PlanItemDrawing(const TDrawInput& in);

// One chevron: a V 5 pixels wide and 4 high, as offsets from its top-left corner.
inline constexpr std::array<TPoint, 10> kChevronPixels = {{
    {0, 0}, {4, 0},
    {0, 1}, {1, 1}, {3, 1}, {4, 1},
    {1, 2}, {2, 2}, {3, 2},
    {2, 3},
}};

// The pixels of the double chevron whose upper chevron starts at origin.
std::array<TPoint, 20> DoubleChevronPixels(TPoint origin);

}  // namespace core
