// Where the parts of a menu item go: which icon size a branch uses, how many items a column
// holds, which items carry the banner, the additional-icon column and the measured item size.
// Only plain numbers go in and out; the Win32 side measures text and icons and hands the numbers
// over.
#pragma once

#include <array>

#include "core/menu_item.h"

namespace core {

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};

// The rectangle shrunk by d on every side.
constexpr TRect Deflated(TRect r, int d) { return {r.Left + d, r.Top + d, r.Right - d, r.Bottom - d}; }

struct TSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const TSize&) const = default;
};

// The four branches of the menu, each with its own icon size setting.
enum class TImageBranch { Root, Programs, Favorites, Documents };

// The branch whose image list applies to an item: below Favorites or Documents their own, the top
// level itself the root's, anything deeper the programs'. favorites and documents are nullptr when
// those folders are not in the menu.
TImageBranch ItemImageBranch(const TMenuItem& item, const TMenuItem* favorites, const TMenuItem* documents);

// Items per menu column at the item's level: the large list has fewer, taller rows.
constexpr int ItemColumnSize(bool largeList, int breaksValue, int smallBreaksValue) {
    return largeList ? breaksValue : smallBreaksValue;
}

// The item's row among its visible siblings: visible items up to and including it, minus 1. A
// hidden item gets the row of the nearest visible item before it; -1 when there is none, or when
// the item is in no menu.
int VisibleIndex(const TMenuItem& item);

// True for the items of the popup menu's own level (the parent is the root).
bool IsTopLevel(const TMenuItem& item);

// The banner runs along the first column of the top level only.
bool ShowsBanner(const TMenuItem& item, bool noBanner, bool disableBreaks, int columnSize);

// The index into the nine additional icons for an item: a command's tag, a file or folder's kind
// (0 common file, 1 common folder, 2 personal file, 3 personal folder); -1 for items that have
// none (N1, expansion items, the placeholder).
int AdditionalIconIndex(bool isCommand, const TMenuItem& item);

// What measuring and drawing need to know of one additional icon: the pixel sizes of its two
// pictures (0 x 0 when extraction gave nothing) and whether the user hid it.
struct TAdditionalIconPictures {
    TSize Large;
    TSize Small;
    bool Disappeared = false;
};
using TAdditionalIconSet = std::array<TAdditionalIconPictures, 9>;

struct TAdditionalIconInfo {
    int AreaWidth = 0;
    int AreaHeight = 0;
    bool Disappeared = false;
    int Icon = -1;          // index into the nine icons; -1: none
    bool Large = false;     // the large picture of that icon, else the small one
    TSize IconSize;         // the size of the chosen picture
};

// The additional-icon column of one item. largeList tells that the item's image list is the
// large one (by identity, not by size).
TAdditionalIconInfo GetAdditionalIconInfo(bool noExtraIcons, int iconIndex, bool largeList,
                                          const TAdditionalIconSet& icons);

// Layout constants shared by measuring and drawing.
inline constexpr int kIconColumnExtra = 8;      // icon column = icon width + 8
inline constexpr int kRightMargin = 16;         // after the caption
inline constexpr int kCaptionRightInset = 10;   // caption ends this far from the right edge
inline constexpr int kAdditionalIconMarginX = 3;
inline constexpr int kAdditionalIconMarginY = 6;
inline constexpr int kMinItemHeight = 8;

struct TMeasureInput {
    TSize List;                     // icon size of the item's image list
    int AreaWidth = 0;              // from GetAdditionalIconInfo
    int AreaHeight = 0;
    TRect TextRect;                 // the caption measured on one line, starting at (0, 0)
    bool NoCaptionLengthLimit = false;
    int CaptionLengthLimitValue = 256;
    int BannerWidth = 0;            // the banner picture's width when the item shows it, else 0
};

TSize MeasureMenuItem(const TMeasureInput& in);

}  // namespace core
