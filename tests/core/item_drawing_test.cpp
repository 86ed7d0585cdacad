#include "core/item_drawing.h"

#include "core/menu_tree.h"
#include "item_printers.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace core;

namespace {

// A level from a picture: 'R' a raised data item, 'D' a demoted one, 'E' the placeholder, '-' an
// expansion item.
void Fill(TMenuItem& level, const std::string& picture) {
    for (char c : picture) {
        auto item = std::make_unique<TMenuItem>();
        if (c == 'R' || c == 'D') {
            item->Caption = L"file";
            item->Data = std::make_unique<TMenuItemData>();
            item->Data->Raised = c == 'R';
        } else if (c == 'E') {
            item->Caption = L"(Empty)";
        }
        level.Add(std::move(item));
    }
}

// The frame of every item of a level, as "T" top, "|" sides, "B" bottom, "." none.
std::vector<std::string> Frames(const TMenuItem& level, int count, bool disableBreaks, int columnSize,
                                bool personalized = true) {
    std::vector<std::string> frames;
    for (int i = 0; i < count; ++i) {
        TDemotedLook look = DemotedLookOf(level[i], ItemKindOf(false, level[i]), personalized, disableBreaks, columnSize);
        std::string f;
        if (look.Top) f += 'T';
        if (look.Tinted) f += '|';
        if (look.Bottom) f += 'B';
        frames.push_back(f.empty() ? "." : f);
    }
    return frames;
}

using Frame = std::vector<std::string>;

}  // namespace

TEST(DemotedRuns, ThreeDemotedItemsInOneColumnMakeOnePanel) {
    TMenuItem root;
    root.Add(std::make_unique<TMenuItem>());
    TMenuItem& level = root[0];
    Fill(level, "RDDDR");
    EXPECT_EQ(Frames(level, 5, false, 32), (Frame{".", "T|", "|", "|B", "."}));
}

TEST(DemotedRuns, ARunCrossingAColumnBreakClosesAndReopens) {
    TMenuItem root;
    root.Add(std::make_unique<TMenuItem>());
    TMenuItem& level = root[0];
    Fill(level, "RDDDDR");
    // Three per column: rows 0-2 and 3-5.
    EXPECT_EQ(Frames(level, 6, false, 3), (Frame{".", "T|", "|B", "T|", "|B", "."}));
    EXPECT_EQ(Frames(level, 6, true, 3), (Frame{".", "T|", "|", "|", "|B", "."})) << "one column";
    EXPECT_EQ(Frames(level, 6, false, 0), (Frame{".", "T|", "|", "|", "|B", "."})) << "no column size";
}

TEST(DemotedRuns, LevelEdgesPlaceholderAndTheStaticMenu) {
    TMenuItem root;
    root.Add(std::make_unique<TMenuItem>());
    TMenuItem& folder = root[0];
    Fill(folder, "DD-");
    EXPECT_EQ(Frames(folder, 3, false, 32), (Frame{"T|", "|B", "."})) << "an expansion item ends a run";

    TMenuItem top;
    Fill(top, "DD");
    AddFormItems(top, {}, {});
    EXPECT_EQ(Frames(top, 2, false, 20), (Frame{"T|", "|B"})) << "the form items are not part of the level";

    root.Add(std::make_unique<TMenuItem>());
    Fill(root[1], "E");
    EXPECT_EQ(Frames(root[1], 1, false, 32), (Frame{"T|B"})) << "the placeholder is framed alone";
    EXPECT_EQ(Frames(root[1], 1, false, 32, false), (Frame{"."})) << "static menu";
    EXPECT_EQ(Frames(folder, 3, false, 32, false), (Frame{".", ".", "."})) << "static menu";
}

namespace {

TDrawInput Input(TItemKind kind, bool hasImage) {
    TDrawInput in;
    in.Rect = {10, 100, 210, 122};
    in.Kind = kind;
    in.HasImage = hasImage;
    in.List = {16, 16};
    in.Additional.AreaWidth = 19;
    in.Additional.AreaHeight = 22;
    in.Additional.Icon = 2;
    in.Additional.IconSize = {16, 16};
    return in;
}

}  // namespace

TEST(PlanItemDrawing, GeometrySummary) {
    // L = 10 (+ 21 with the banner), A = 19, W = 16, right edge 210, rows 100 to 122.
    for (int banner : {0, 21}) {
        SCOPED_TRACE(banner);
        const int l = 10 + banner;
        TDrawInput in = Input(TItemKind::Data, true);
        in.BannerWidth = banner;
        in.Selected = true;
        in.Demoted.Tinted = true;
        TItemDrawPlan p = PlanItemDrawing(in);
        EXPECT_EQ(p.R, (TRect{l, 100, 210, 122}));
        EXPECT_EQ(p.AreaTint, (TRect{l, 100, 210, 122}));
        EXPECT_EQ(p.DemotedTint.Left, l + 19 + 1) << "the additional-icon tint keeps L to L + A + 1";
        EXPECT_EQ(p.AdditionalIconAt, (TPoint{l + 3, 103}));
        EXPECT_EQ(p.IconFrame.Rect, (TRect{l + 19 + 1, 101, l + 19 + 16 + 5, 121}));
        EXPECT_EQ(p.ItemIconAt, (TPoint{l + 19 + 3, 103}));
        EXPECT_EQ(p.Selection.Rect, (TRect{l + 19 + 16 + 6, 101, 209, 121}));
        EXPECT_EQ(p.Caption.Rect, (TRect{l + 19 + 16 + 8, 100, 200, 122}));

        in.HasImage = false;
        p = PlanItemDrawing(in);
        EXPECT_EQ(p.Selection.Rect, (TRect{l + 19 + 1, 101, 209, 121})) << "without an icon";
        EXPECT_FALSE(p.ItemIcon);
        EXPECT_EQ(p.IconFrame.Look, TFrameLook::None);
        EXPECT_EQ(p.Caption.Rect.Left, l + 19 + 16 + 8) << "the icon column keeps its width";
    }
}

TEST(PlanItemDrawing, TintsWithTheAdditionalIconColumnOff) {
    TDrawInput in = Input(TItemKind::Data, true);
    in.NoExtraIcons = true;
    in.Additional = {};
    in.Demoted.Tinted = true;
    TItemDrawPlan p = PlanItemDrawing(in);
    EXPECT_EQ(p.DemotedTint.Left, 10) << "the whole item takes the demoted tint";
    EXPECT_FALSE(p.AdditionalIcon);
    EXPECT_EQ(p.ItemIconAt.X, 13);
}

TEST(PlanItemDrawing, AdditionalIconIsCentredAndSkippedWhenHiddenOrEmpty) {
    TDrawInput in = Input(TItemKind::Command, false);
    in.Rect = {0, 0, 200, 38};
    in.Additional.IconSize = {32, 32};
    in.Additional.AreaWidth = 35;
    EXPECT_EQ(PlanItemDrawing(in).AdditionalIconAt, (TPoint{3, 3}));
    TDrawInput hidden = in;
    hidden.Additional.Disappeared = true;
    TDrawInput empty = in;
    empty.Additional.IconSize = {};
    empty.Additional.AreaWidth = 3;
    TDrawInput none = in;
    none.Additional.Icon = -1;
    for (const TDrawInput& i : {hidden, empty, none}) {
        TItemDrawPlan p = PlanItemDrawing(i);
        EXPECT_FALSE(p.AdditionalIcon);
        EXPECT_EQ(p.Caption.Rect.Left, i.Additional.AreaWidth + 16 + 8) << "the column stays";
    }
}

TEST(PlanItemDrawing, LooksAndStatesOnBothPaths) {
    struct Case {
        const char* name;
        bool themed, flat, enabled, selected;
        TFrameLook selection; TMenuColor selectionColor; int selectionState;
        TFrameLook iconFrame; int iconState;
        int captionState; TMenuColor captionColor; bool emboss;
    };
    using L = TFrameLook;
    using C = TMenuColor;
    const Case cases[] = {
        {"classic", false, false, true, false, L::None, C::Menu, 0, L::None, 0, 1, C::MenuText, false},
        {"classic selected", false, false, true, true, L::Fill, C::Highlight, 0, L::RaisedEdge, 0, 2, C::HighlightText, false},
        {"classic flat selected", false, true, true, true, L::Fill, C::MenuHilight, 0, L::RaisedEdge, 0, 2, C::HighlightText, false},
        {"classic disabled", false, false, false, false, L::None, C::Menu, 0, L::None, 0, 3, C::BtnShadow, true},
        {"classic flat disabled", false, true, false, false, L::None, C::Menu, 0, L::None, 0, 3, C::BtnShadow, false},
        {"classic disabled selected", false, false, false, true, L::Fill, C::Highlight, 0, L::RaisedEdge, 0, 4, C::BtnShadow, false},
        {"themed", true, false, true, false, L::None, C::Menu, 0, L::None, 0, 1, C::MenuText, false},
        {"themed selected", true, false, true, true, L::Theme, C::Menu, 2, L::Theme, 2, 2, C::HighlightText, false},
        {"themed disabled", true, false, false, false, L::None, C::Menu, 0, L::None, 0, 3, C::BtnShadow, false},
        {"themed disabled selected", true, false, false, true, L::Theme, C::Menu, 4, L::Theme, 4, 4, C::BtnShadow, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TDrawInput in = Input(TItemKind::Data, true);
        in.Themed = c.themed;
        in.FlatMenu = c.flat;
        in.Enabled = c.enabled;
        in.Selected = c.selected;
        in.Demoted = {true, true, true};
        TItemDrawPlan p = PlanItemDrawing(in);
        EXPECT_EQ(p.Selection.Look, c.selection);
        if (c.selection == L::Fill) {
            EXPECT_EQ(p.Selection.Color, c.selectionColor);
        }
        EXPECT_EQ(p.Selection.ThemeState, c.selectionState);
        EXPECT_EQ(p.IconFrame.Look, c.iconFrame);
        EXPECT_EQ(p.IconFrame.ThemeState, c.iconState);
        EXPECT_EQ(p.Caption.ThemeState, c.captionState);
        EXPECT_EQ(p.Caption.Color, c.captionColor);
        EXPECT_EQ(p.Caption.Emboss, c.emboss);
        if (c.emboss) {
            EXPECT_EQ(p.Caption.EmbossRect, (TRect{54, 101, 201, 123}));
        }
        EXPECT_TRUE(p.Tinted) << "both paths tint";
        EXPECT_EQ(p.Edge, !c.themed) << "the sunken panel is classic only";
        if (!c.themed) {
            EXPECT_EQ(p.EdgeSides, 0xFu);
        }
    }
}

TEST(PlanItemDrawing, DefaultItemIsBoldAndEdgesAreDrawnEvenWithoutSides) {
    TDrawInput in = Input(TItemKind::Command, false);
    in.Default = true;
    TItemDrawPlan p = PlanItemDrawing(in);
    EXPECT_TRUE(p.Caption.Bold);
    EXPECT_TRUE(p.Edge);
    EXPECT_EQ(p.EdgeSides, 0u);
    EXPECT_FALSE(p.Tinted);
}

TEST(PlanItemDrawing, ExpansionItemShowsOnlyTheChevronsAndAnInsetFrame) {
    for (bool themed : {false, true}) {
        SCOPED_TRACE(themed);
        TDrawInput in = Input(TItemKind::Expansion, false);
        in.Additional.Icon = -1;
        in.Rect = {0, 0, 40, 20};
        in.Themed = themed;
        in.Selected = true;
        TItemDrawPlan p = PlanItemDrawing(in);
        EXPECT_FALSE(p.Caption.Draw);
        EXPECT_FALSE(p.ItemIcon);
        EXPECT_FALSE(p.AdditionalIcon);
        EXPECT_TRUE(p.Chevrons);
        EXPECT_EQ(p.ChevronAt, (TPoint{17, 6}));
        EXPECT_EQ(p.Selection.Rect, (TRect{3, 3, 37, 17}));
        EXPECT_EQ(p.Selection.Look, themed ? TFrameLook::Theme : TFrameLook::RaisedEdge);
        EXPECT_EQ(p.Selection.ThemeState, themed ? kMpiHot : 0);
    }
    TDrawInput odd = Input(TItemKind::Expansion, false);
    odd.Rect = {5, 10, 43, 29};  // 38 x 19
    EXPECT_EQ(PlanItemDrawing(odd).ChevronAt, (TPoint{21, 15}));
}

TEST(DoubleChevron, PixelByPixel) {
    const char* expected[] = {
        "#...#",
        "##.##",
        ".###.",
        "..#..",
        "#...#",
        "##.##",
        ".###.",
        "..#..",
    };
    std::vector<std::string> grid(10, std::string(8, '.'));
    for (TPoint p : DoubleChevronPixels({2, 1})) {
        ASSERT_TRUE(p.X >= 0 && p.X < 8 && p.Y >= 0 && p.Y < 10);
        grid[std::size_t(p.Y)][std::size_t(p.X)] = '#';
    }
    for (int y = 0; y < 10; ++y) {
        std::string row = y >= 1 && y <= 8 ? std::string("..") + expected[y - 1] + "." : std::string(8, '.');
        EXPECT_EQ(grid[std::size_t(y)], row) << "row " << y;
    }
}
