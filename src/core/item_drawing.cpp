#include "core/item_drawing.h"

#include "core/menu_tree.h"

namespace core {

TItemKind ItemKindOf(bool isCommand, const TMenuItem& item) {
    if (isCommand) return TItemKind::Command;
    if (item.Data) return TItemKind::Data;
    return item.Caption.empty() ? TItemKind::Expansion : TItemKind::Placeholder;
}

namespace {

bool RaisedItem(const TMenuItem& item) { return item.Data && item.Data->Raised; }

// A column size of 0 or less cannot place breaks; such a level is one column.
bool OneColumn(bool disableBreaks, int columnSize) { return disableBreaks || columnSize <= 0; }

}  // namespace

bool FirstOfDemotedRun(const TMenuItem& item, bool disableBreaks, int columnSize) {
    int index = item.MenuIndex();
    if (index < 0) return false;
    if (index == 0) return true;
    if (OneColumn(disableBreaks, columnSize) || index % columnSize != 0)
        return RaisedItem((*item.Parent())[index - 1]);
    return true;
}

bool LastOfDemotedRun(const TMenuItem& item, bool disableBreaks, int columnSize) {
    int index = item.MenuIndex();
    if (index < 0) return false;
    const TMenuItem& parent = *item.Parent();
    int reserve = parent.Parent() ? 0 : kTopLevelReserve;
    if (index >= parent.Count() - 1 - reserve) return true;
    if (!OneColumn(disableBreaks, columnSize) && index % columnSize == columnSize - 1) return true;
    const TMenuItem& next = parent[index + 1];
    return !(next.Data && !next.Data->Raised);
}

TDemotedLook DemotedLookOf(const TMenuItem& item, TItemKind kind, bool personalized, bool disableBreaks,
                           int columnSize) {
    TDemotedLook look;
    if (!personalized) return look;
    if (kind == TItemKind::Placeholder) return {true, true, true};
    if (kind != TItemKind::Data || item.Data->Raised) return look;
    look.Tinted = true;
    look.Top = FirstOfDemotedRun(item, disableBreaks, columnSize);
    look.Bottom = LastOfDemotedRun(item, disableBreaks, columnSize);
    return look;
}

TItemDrawPlan PlanItemDrawing(const TDrawInput& in) {
    TItemDrawPlan plan;
    TRect r = in.Rect;
    r.Left += in.BannerWidth;
    plan.R = r;
    const int a = in.Additional.AreaWidth;
    const int w = in.List.Width;
    const bool withCaption = in.Kind != TItemKind::Expansion;
    const int hotState = in.Enabled ? kMpiHot : kMpiDisabledHot;

    // Demoted items: the additional-icon column in one tint, the rest in the other.
    if (in.Demoted.Tinted) {
        plan.Tinted = true;
        plan.AreaTint = r;
        plan.DemotedTint = r;
        plan.DemotedTint.Left = r.Left + a + (in.NoExtraIcons ? 0 : 1);
    }

    // The sunken panel belongs to the classic look only.
    if (!in.Themed) {
        plan.Edge = true;
        if (in.Demoted.Top) plan.EdgeSides |= kEdgeTop;
        if (in.Demoted.Tinted) plan.EdgeSides |= kEdgeLeftRight;
        if (in.Demoted.Bottom) plan.EdgeSides |= kEdgeBottom;
    }

    if (in.Selected) {
        if (withCaption) {
            TRect s = r;
            s.Left = r.Left + a + (in.HasImage ? w + 5 : 0);
            plan.Selection.Rect = Deflated(s, 1);
            if (in.Themed) {
                plan.Selection.Look = TFrameLook::Theme;
                plan.Selection.ThemeState = hotState;
            } else {
                plan.Selection.Look = TFrameLook::Fill;
                plan.Selection.Color = in.FlatMenu ? TMenuColor::MenuHilight : TMenuColor::Highlight;
            }
        } else {
            plan.Selection.Rect = Deflated(r, 3);
            plan.Selection.Look = in.Themed ? TFrameLook::Theme : TFrameLook::RaisedEdge;
            plan.Selection.ThemeState = in.Themed ? kMpiHot : 0;
        }
    }

    if (withCaption && in.HasImage) {
        TRect b = Deflated({r.Left + a, r.Top, r.Left + a + w + 6, r.Bottom}, 1);
        plan.IconFrame.Rect = b;
        if (in.Selected) {
            plan.IconFrame.Look = in.Themed ? TFrameLook::Theme : TFrameLook::RaisedEdge;
            plan.IconFrame.ThemeState = in.Themed ? hotState : 0;
        }
        plan.ItemIcon = true;
        plan.ItemIconAt = {b.Left + 2, b.Top + (b.Height() - in.List.Height) / 2};
    }

    const TSize& extra = in.Additional.IconSize;
    if (!in.NoExtraIcons && in.Additional.Icon >= 0 && !in.Additional.Disappeared && extra.Width > 0 &&
        extra.Height > 0) {
        plan.AdditionalIcon = true;
        plan.AdditionalIconAt = {r.Left + kAdditionalIconMarginX, r.Top + (r.Height() - extra.Height) / 2};
    }

    if (withCaption) {
        TCaptionPlan& c = plan.Caption;
        c.Draw = true;
        c.Rect = {r.Left + a + w + kIconColumnExtra, r.Top, r.Right - kCaptionRightInset, r.Bottom};
        c.Bold = in.Default;
        if (in.Enabled) {
            c.ThemeState = in.Selected ? kMpiHot : kMpiNormal;
            c.Color = in.Selected ? TMenuColor::HighlightText : TMenuColor::MenuText;
        } else {
            c.ThemeState = in.Selected ? kMpiDisabledHot : kMpiDisabled;
            c.Color = TMenuColor::BtnShadow;
            // The classic engraved look: a light copy one pixel down and right.
            c.Emboss = !in.Themed && !in.FlatMenu && !in.Selected;
            c.EmbossRect = {c.Rect.Left + 1, c.Rect.Top + 1, c.Rect.Right + 1, c.Rect.Bottom + 1};
        }
    } else {
        plan.Chevrons = true;
        plan.ChevronAt = {r.Left + (r.Width() - 5) / 2, r.Top + (r.Height() - 8) / 2};
    }
    return plan;
}

std::array<TPoint, 20> DoubleChevronPixels(TPoint origin) {
    std::array<TPoint, 20> pixels;
    for (std::size_t i = 0; i < kChevronPixels.size(); ++i) {
        pixels[i] = {origin.X + kChevronPixels[i].X, origin.Y + kChevronPixels[i].Y};
        pixels[i + 10] = {origin.X + kChevronPixels[i].X, origin.Y + 4 + kChevronPixels[i].Y};
    }
    return pixels;
}

}  // namespace core
