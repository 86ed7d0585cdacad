#include "ui/item_painting.h"

#include "app/main_form.h"

#include <algorithm>

// A plain rendering: icon, caption, submenu arrow left to the system. The full look (additional
// icon column, tinted demoted items, banner, themed parts) is drawn by the menu's painter.

namespace {

constexpr int kMargin = 4;

TImageList& ImagesFor(TMainForm& form, const core::TMenuItem& item) {
    return item.Parent() && !item.Parent()->Parent() ? *form.FRootImages : *form.FProgramsImages;
}

HICON CommandIcon(TMainForm& form, const core::TMenuItem& item) {
    if (!core::IsCommandItem(form.FormItems, item)) return nullptr;
    if (item.Tag < 0 || item.Tag >= int(form.FAdditionalIcons.size())) return nullptr;
    auto& icon = form.FAdditionalIcons[item.Tag];
    return icon && !icon->FDisappeared ? icon->FSmallIcon.get() : nullptr;
}

std::wstring CaptionOf(const core::TMenuItem& item) {
    return core::IsExpansionItem(item) ? std::wstring(L"\u00BB") : item.Caption;
}

}  // namespace

void ExitMenuItemMeasureItem(TMainForm& form, core::TMenuItem& item, core::TMeasureItemArgs& args) {
    TImageList& images = ImagesFor(form, item);
    int iconSize = std::max(images.Height, GetSystemMetrics(SM_CYSMICON));
    std::wstring caption = CaptionOf(item);
    SIZE text{};
    GetTextExtentPoint32W(args.Canvas, caption.c_str(), int(caption.size()), &text);
    args.Width = kMargin + iconSize + 2 * kMargin + text.cx + 2 * kMargin;
    args.Height = std::max<int>(iconSize, text.cy) + 2 * kMargin / 2 + 2;
}

void ExitMenuItemDrawItem(TMainForm& form, core::TMenuItem& item, core::TDrawItemArgs& args) {
    HDC dc = args.Canvas;
    RECT r = args.Rect;
    bool enabled = item.Enabled && !(args.State & ODS_DISABLED);
    FillRect(dc, &r, GetSysColorBrush(args.Selected && enabled ? COLOR_HIGHLIGHT : COLOR_MENU));
    TImageList& images = ImagesFor(form, item);
    int iconSize = std::max(images.Height, GetSystemMetrics(SM_CYSMICON));
    int iconTop = r.top + (r.bottom - r.top - iconSize) / 2;
    if (HICON command = CommandIcon(form, item)) {
        DrawIconEx(dc, r.left + kMargin, iconTop, command, iconSize, iconSize, 0, nullptr, DI_NORMAL);
    } else if (item.Data && item.Data->Ii >= 0 && images.Handle) {
        ImageList_Draw(images.Handle, item.Data->Ii, dc, r.left + kMargin, iconTop, ILD_TRANSPARENT);
    }
    RECT text = r;
    text.left += kMargin + iconSize + 2 * kMargin;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(!enabled ? COLOR_GRAYTEXT : args.Selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    HFONT bold = nullptr;
    if (item.Default) {
        LOGFONTW lf{};
        GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof lf, &lf);
        lf.lfWeight = FW_BOLD;
        bold = CreateFontIndirectW(&lf);
    }
    platform::UniqueHFont boldHolder(bold);
    HGDIOBJ old = bold ? SelectObject(dc, bold) : nullptr;
    std::wstring caption = CaptionOf(item);
    DrawTextW(dc, caption.c_str(), int(caption.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (old) SelectObject(dc, old);
}
