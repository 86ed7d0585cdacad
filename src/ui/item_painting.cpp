#include "ui/item_painting.h"

#include "platform/icon_size.h"

#include "app/main_form.h"
#include "platform/unique_handle.h"
#include "ui/image_lists.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <optional>

using core::TFrameLook;
using core::TMenuColor;

namespace {

static_assert(core::kEdgeTop == BF_TOP && core::kEdgeBottom == BF_BOTTOM &&
              core::kEdgeLeftRight == (BF_LEFT | BF_RIGHT));

constexpr UINT kMeasureFlags = DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE;
constexpr UINT kCaptionFlags = DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER;

// The visual style's MENU class for the length of one call.
class TMenuTheme {
public:
    explicit TMenuTheme(bool themed) : theme_(themed ? OpenThemeData(nullptr, L"MENU") : nullptr) {}
    TMenuTheme(const TMenuTheme&) = delete;
    TMenuTheme& operator=(const TMenuTheme&) = delete;
    ~TMenuTheme() {
        if (theme_) CloseThemeData(theme_);
    }
    HTHEME get() const { return theme_; }

private:
    HTHEME theme_;
};

// The surface's font in bold for the default item, the surface's own otherwise.
class TFontStyleScope {
public:
    TFontStyleScope(HDC dc, bool bold) {
        if (!bold) return;
        LOGFONTW lf{};
        if (!GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof lf, &lf)) return;
        lf.lfWeight = FW_BOLD;
        font_.reset(CreateFontIndirectW(&lf));
        if (font_) select_.emplace(dc, font_.get());
    }

private:
    platform::UniqueHFont font_;  // outlives its selection
    std::optional<platform::SelectObjectScope> select_;
};

int SystemColorIndex(TMenuColor color) {
    switch (color) {
    case TMenuColor::Menu: return COLOR_MENU;
    case TMenuColor::MenuHilight: return COLOR_MENUHILIGHT;
    case TMenuColor::Highlight: return COLOR_HIGHLIGHT;
    case TMenuColor::HighlightText: return COLOR_HIGHLIGHTTEXT;
    case TMenuColor::MenuText: return COLOR_MENUTEXT;
    case TMenuColor::BtnShadow: return COLOR_BTNSHADOW;
    case TMenuColor::BtnHighlight: return COLOR_BTNHIGHLIGHT;
    }
    return COLOR_MENU;
}

COLORREF SystemColor(TMenuColor color) { return GetSysColor(SystemColorIndex(color)); }

RECT ToRect(const core::TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

void FillSolid(HDC dc, const core::TRect& r, COLORREF color) {
    RECT rc = ToRect(r);
    platform::UniqueHBrush brush(CreateSolidBrush(color));
    if (brush) FillRect(dc, &rc, brush.get());
}

core::TSize IconSize(HICON icon) {
    SIZE size = platform::IconSize(icon);
    return {size.cx, size.cy};
}

bool IsCommand(const TItemPaintSettings& s, const core::TMenuItem& item) {
    return s.FormItems && core::IsCommandItem(*s.FormItems, item);
}

// The additional-icon column of an item, and the picture to draw in it.
struct TItemExtraIcon {
    core::TAdditionalIconInfo Info;
    HICON Picture = nullptr;
};

TItemExtraIcon AdditionalIconOf(const TItemPaintSettings& s, const core::TMenuItem& item, bool largeList) {
    int index = core::AdditionalIconIndex(IsCommand(s, item), item);
    core::TAdditionalIconSet set{};
    HICON picture = nullptr;
    if (index >= 0 && !s.NoExtraIcons) {
        // Only the picture this item uses is asked for its size.
        const TAdditionalIconView& view = s.AdditionalIcons[std::size_t(index)];
        picture = largeList ? view.Large : view.Small;
        set[std::size_t(index)].Disappeared = view.Disappeared;
        // Sizes taken when the pictures were set; a view without them asks the picture.
        core::TSize known = largeList ? view.LargeSize : view.SmallSize;
        (largeList ? set[std::size_t(index)].Large : set[std::size_t(index)].Small) =
            known.Width || known.Height || !picture ? known : IconSize(picture);
    }
    TItemExtraIcon result;
    result.Info = core::GetAdditionalIconInfo(s.NoExtraIcons, index, largeList, set);
    result.Picture = result.Info.Icon >= 0 ? picture : nullptr;
    return result;
}

void DrawFrame(HDC dc, HTHEME theme, const core::TFrame& frame) {
    RECT rc = ToRect(frame.Rect);
    switch (frame.Look) {
    case TFrameLook::None: break;
    case TFrameLook::Fill: FillSolid(dc, frame.Rect, SystemColor(frame.Color)); break;
    case TFrameLook::RaisedEdge: DrawEdge(dc, &rc, BDR_RAISEDINNER, BF_RECT); break;
    case TFrameLook::Theme: DrawThemeBackground(theme, dc, core::kMenuPopupItem, frame.ThemeState, &rc, nullptr); break;
    }
}

}  // namespace

bool VisualStylesActive() { return IsAppThemed() && IsThemeActive(); }

bool FlatMenus() {
    BOOL flat = FALSE;
    return SystemParametersInfoW(SPI_GETFLATMENU, 0, &flat, 0) && flat;
}

COLORREF BlendMenuColor(double ratio) {
    return core::BlendMenuColor(ratio, GetSysColor(COLOR_MENU), GetSysColor(COLOR_BTNHIGHLIGHT));
}

TItemPaintSettings ItemPaintSettings(TMainForm& form) {
    TItemPaintSettings s;
    s.FormItems = &form.FormItems;
    s.Favorites = form.FFavorites;
    s.Documents = form.FDocuments;
    s.LargeList = &form.IL3;
    s.RootImages = form.FRootImages;
    s.ProgramsImages = form.FProgramsImages;
    s.FavoritesImages = form.FFavoritesImages;
    s.DocumentImages = form.FDocumentImages;
    for (std::size_t i = 0; i < s.AdditionalIcons.size(); ++i)
        if (const auto& icon = form.FAdditionalIcons[i])
            s.AdditionalIcons[i] = {icon->FLargeIcon.get(), icon->FSmallIcon.get(), icon->FDisappeared,
                                    {icon->FLargeSize.cx, icon->FLargeSize.cy},
                                    {icon->FSmallSize.cx, icon->FSmallSize.cy}};
    s.NoExtraIcons = form.FNoExtraIcons;
    s.NoCaptionLengthLimit = form.FNoCaptionLengthLimit;
    s.CaptionLengthLimitValue = form.FCaptionLengthLimitValue;
    s.DisableBreaks = form.FDisableBreaks;
    s.BreaksValue = form.FBreaksValue;
    s.SmallBreaksValue = form.FSmallBreaksValue;
    s.NoBanner = form.FNoBanner;
    // No banner picture is loaded yet: the strip has no width and nothing to paint.
    s.BannerWidth = 0;
    s.DemotedItemsData = form.FDemotedItemsData;
    s.AdditionalIconsAreaData = form.FAdditionalIconsAreaData;
    s.Personalized = !form.FStaticMenus && form.AppropStack().Pushed();
    s.Themed = VisualStylesActive();
    s.FlatMenu = FlatMenus();
    return s;
}

const TImageList& ItemImageList(const TItemPaintSettings& s, const core::TMenuItem& item) {
    switch (core::ItemImageBranch(item, s.Favorites, s.Documents)) {
    case core::TImageBranch::Programs: return *s.ProgramsImages;
    case core::TImageBranch::Favorites: return *s.FavoritesImages;
    case core::TImageBranch::Documents: return *s.DocumentImages;
    case core::TImageBranch::Root: break;
    }
    return *s.RootImages;
}

void MeasureMenuItem(const TItemPaintSettings& s, core::TMenuItem& item, core::TMeasureItemArgs& args) {
    HDC dc = args.Canvas;
    TFontStyleScope style(dc, item.Default);
    RECT text{};
    TMenuTheme theme(s.Themed);
    if (theme.get()) {
        if (FAILED(GetThemeTextExtent(theme.get(), dc, core::kMenuPopupItem, core::kMpiNormal, item.Caption.c_str(),
                                      -1, kMeasureFlags, nullptr, &text)))
            text = {};
    } else {
        DrawTextW(dc, item.Caption.c_str(), int(item.Caption.size()), &text, kMeasureFlags);
    }
    const TImageList& list = ItemImageList(s, item);
    const bool large = &list == s.LargeList;
    TItemExtraIcon extra = AdditionalIconOf(s, item, large);
    const int columnSize = core::ItemColumnSize(large, s.BreaksValue, s.SmallBreaksValue);
    core::TMeasureInput in;
    in.List = {list.Width, list.Height};
    in.AreaWidth = extra.Info.AreaWidth;
    in.AreaHeight = extra.Info.AreaHeight;
    in.TextRect = {text.left, text.top, text.right, text.bottom};
    in.NoCaptionLengthLimit = s.NoCaptionLengthLimit;
    in.CaptionLengthLimitValue = s.CaptionLengthLimitValue;
    in.BannerWidth = core::ShowsBanner(item, s.NoBanner, s.DisableBreaks, columnSize) ? s.BannerWidth : 0;
    core::TSize size = core::MeasureMenuItem(in);
    args.Width = size.Width;
    args.Height = size.Height;
}

void DrawMenuItem(const TItemPaintSettings& s, core::TMenuItem& item, core::TDrawItemArgs& args) {
    HDC dc = args.Canvas;
    const TImageList& list = ItemImageList(s, item);
    const bool large = &list == s.LargeList;
    const int columnSize = core::ItemColumnSize(large, s.BreaksValue, s.SmallBreaksValue);
    const bool banner = core::ShowsBanner(item, s.NoBanner, s.DisableBreaks, columnSize);
    if (banner && s.PaintBanner) s.PaintBanner(dc);

    TMenuTheme theme(s.Themed);
    TItemExtraIcon extra = AdditionalIconOf(s, item, large);
    const core::TItemKind kind = core::ItemKindOf(IsCommand(s, item), item);
    core::TDrawInput in;
    in.Rect = {args.Rect.left, args.Rect.top, args.Rect.right, args.Rect.bottom};
    in.BannerWidth = banner ? s.BannerWidth : 0;
    in.Kind = kind;
    in.Selected = args.Selected;
    in.Enabled = item.Enabled;
    in.Default = item.Default;
    in.HasImage = item.ImageIndex != -1;
    in.List = {list.Width, list.Height};
    in.Additional = extra.Info;
    in.NoExtraIcons = s.NoExtraIcons;
    // A style that cannot be opened is drawn the classic way.
    in.Themed = theme.get() != nullptr;
    in.FlatMenu = s.FlatMenu;
    in.Demoted = core::DemotedLookOf(item, kind, s.Personalized, s.DisableBreaks, columnSize);
    const core::TItemDrawPlan plan = core::PlanItemDrawing(in);

    FillSolid(dc, plan.R, GetSysColor(COLOR_MENU));
    if (plan.Tinted) {
        FillSolid(dc, plan.AreaTint, BlendMenuColor(s.AdditionalIconsAreaData));
        FillSolid(dc, plan.DemotedTint, BlendMenuColor(s.DemotedItemsData));
    }
    if (plan.Edge) {
        RECT r = ToRect(plan.R);
        DrawEdge(dc, &r, BDR_SUNKENOUTER, plan.EdgeSides);
    }
    DrawFrame(dc, theme.get(), plan.Selection);
    DrawFrame(dc, theme.get(), plan.IconFrame);
    if (plan.ItemIcon && list.Handle)
        ImageList_Draw(list.Handle, item.ImageIndex, dc, plan.ItemIconAt.X, plan.ItemIconAt.Y, ILD_TRANSPARENT);
    if (plan.AdditionalIcon && extra.Picture)
        DrawIconEx(dc, plan.AdditionalIconAt.X, plan.AdditionalIconAt.Y, extra.Picture, 0, 0, 0, nullptr, DI_NORMAL);

    if (plan.Caption.Draw) {
        TFontStyleScope style(dc, plan.Caption.Bold);
        RECT t = ToRect(plan.Caption.Rect);
        if (theme.get()) {
            DrawThemeText(theme.get(), dc, core::kMenuPopupItem, plan.Caption.ThemeState, item.Caption.c_str(), -1,
                          kCaptionFlags, 0, &t);
        } else {
            SetBkMode(dc, TRANSPARENT);
            if (plan.Caption.Emboss) {
                RECT e = ToRect(plan.Caption.EmbossRect);
                SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
                DrawTextW(dc, item.Caption.c_str(), -1, &e, kCaptionFlags);
            }
            SetTextColor(dc, SystemColor(plan.Caption.Color));
            DrawTextW(dc, item.Caption.c_str(), -1, &t, kCaptionFlags);
        }
    }

    if (plan.Chevrons) {
        const COLORREF color = GetSysColor(COLOR_MENUTEXT);
        for (core::TPoint p : core::DoubleChevronPixels(plan.ChevronAt)) SetPixelV(dc, p.X, p.Y, color);
    }
}

void ExitMenuItemMeasureItem(TMainForm& form, core::TMenuItem& item, core::TMeasureItemArgs& args) {
    MeasureMenuItem(ItemPaintSettings(form), item, args);
}

void ExitMenuItemDrawItem(TMainForm& form, core::TMenuItem& item, core::TDrawItemArgs& args) {
    DrawMenuItem(ItemPaintSettings(form), item, args);
}
