#include "core/item_geometry.h"

#include <algorithm>

namespace core {

TImageBranch ItemImageBranch(const TMenuItem& item, const TMenuItem* favorites, const TMenuItem* documents) {
    bool first = true;
    for (const TMenuItem* parent = item.Parent(); parent; parent = parent->Parent(), first = false) {
        if (favorites && parent == favorites) return TImageBranch::Favorites;
        if (documents && parent == documents) return TImageBranch::Documents;
        if (!parent->Parent()) return first ? TImageBranch::Root : TImageBranch::Programs;
    }
    return TImageBranch::Root;
}

int VisibleIndex(const TMenuItem& item) {
    const TMenuItem* parent = item.Parent();
    int index = item.MenuIndex();
    if (!parent || index < 0) return -1;
    int visible = 0;
    for (int i = 0; i <= index; ++i)
        if ((*parent)[i].Visible) ++visible;
    return visible - 1;
}

bool IsTopLevel(const TMenuItem& item) { return item.Parent() && !item.Parent()->Parent(); }

bool ShowsBanner(const TMenuItem& item, bool noBanner, bool disableBreaks, int columnSize) {
    if (noBanner || !IsTopLevel(item)) return false;
    if (disableBreaks) return true;
    return VisibleIndex(item) < columnSize;
}

int AdditionalIconIndex(bool isCommand, const TMenuItem& item) {
    if (isCommand) return item.Tag >= 0 && item.Tag < 9 ? item.Tag : -1;
    if (item.Data) return (item.Data->IsDir ? 1 : 0) + (item.Data->IsPersonal ? 2 : 0);
    return -1;
}

TAdditionalIconInfo GetAdditionalIconInfo(bool noExtraIcons, int iconIndex, bool largeList,
                                          const TAdditionalIconSet& icons) {
    TAdditionalIconInfo info;
    if (noExtraIcons) return info;
    if (iconIndex < 0 || iconIndex >= int(icons.size())) {
        // Items without an icon of their own line up with those that have one.
        info.AreaWidth = largeList ? 35 : 19;
        info.AreaHeight = largeList ? 38 : 22;
        return info;
    }
    const TAdditionalIconPictures& icon = icons[std::size_t(iconIndex)];
    info.Icon = iconIndex;
    info.Large = largeList;
    info.IconSize = largeList ? icon.Large : icon.Small;
    info.Disappeared = icon.Disappeared;
    // A hidden or empty picture still keeps its column.
    info.AreaWidth = info.IconSize.Width + kAdditionalIconMarginX;
    info.AreaHeight = info.IconSize.Height + kAdditionalIconMarginY;
    return info;
}

TSize MeasureMenuItem(const TMeasureInput& in) {
    int textWidth = in.TextRect.Right - in.TextRect.Left;
    if (!in.NoCaptionLengthLimit) textWidth = std::min(textWidth, in.CaptionLengthLimitValue);
    TSize size;
    size.Width = in.List.Width + in.AreaWidth + textWidth + kIconColumnExtra + kRightMargin;
    size.Height = std::max({in.AreaHeight, in.List.Height + 6, in.TextRect.Bottom, kMinItemHeight});
    size.Width += in.BannerWidth;
    return size;
}

}  // namespace core
