#include "core/item_geometry.h"

#include <gtest/gtest.h>

#include "item_printers.h"

#include <memory>

using namespace core;

namespace {

TMenuItem& Child(TMenuItem& parent, const wchar_t* caption, bool visible = true) {
    auto item = std::make_unique<TMenuItem>();
    item->Caption = caption;
    item->Visible = visible;
    return parent.Add(std::move(item));
}

TMenuItem& DataChild(TMenuItem& parent, bool isDir, bool isPersonal) {
    TMenuItem& item = Child(parent, L"x");
    item.Data = std::make_unique<TMenuItemData>();
    item.Data->IsDir = isDir;
    item.Data->IsPersonal = isPersonal;
    return item;
}

}  // namespace

TEST(ItemImageBranch, EachBranchKeepsItsListAtEveryDepthAndTheFoldersThemselvesUseTheRoots) {
    TMenuItem root;
    TMenuItem& programs = Child(root, L"Programs");
    TMenuItem& accessories = Child(programs, L"Accessories");
    TMenuItem& tool = Child(accessories, L"Tool");
    TMenuItem& favorites = Child(root, L"Favorites");
    TMenuItem& links = Child(favorites, L"Links");
    TMenuItem& deep = Child(Child(links, L"Sub"), L"Deep");  // three levels below Favorites
    TMenuItem& documents = Child(root, L"Documents");
    TMenuItem& letter = Child(documents, L"Letter");
    TMenuItem& command = Child(root, L"Exit");

    struct Case { const TMenuItem* item; TImageBranch expected; };
    const Case cases[] = {
        {&programs, TImageBranch::Root},     {&favorites, TImageBranch::Root},
        {&documents, TImageBranch::Root},    {&command, TImageBranch::Root},
        {&accessories, TImageBranch::Programs}, {&tool, TImageBranch::Programs},
        {&links, TImageBranch::Favorites},   {&deep, TImageBranch::Favorites},
        {&letter, TImageBranch::Documents},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.item->Caption.begin(), c.item->Caption.end()));
        EXPECT_EQ(ItemImageBranch(*c.item, &favorites, &documents), c.expected);
    }
    // Favorites and Documents not in the menu: their folders are plain Start Menu folders.
    EXPECT_EQ(ItemImageBranch(deep, nullptr, nullptr), TImageBranch::Programs);
    EXPECT_EQ(ItemImageBranch(letter, &favorites, nullptr), TImageBranch::Programs);
}

TEST(VisibleIndex, CountsVisibleSiblingsOnlyAndHiddenItemsTakeTheRowBefore) {
    TMenuItem root;
    //            hidden  shown  hidden shown  shown  hidden
    const bool visible[] = {false, true, false, true, true, false};
    const int expected[] = {-1, 0, 0, 1, 2, 2};
    for (bool v : visible) Child(root, L"i", v);
    for (int i = 0; i < root.Count(); ++i) EXPECT_EQ(VisibleIndex(root[i]), expected[i]) << "item " << i;
    EXPECT_EQ(VisibleIndex(root), -1) << "an item in no menu";
}

TEST(ShowsBanner, OnlyTopLevelItemsOfTheFirstColumnUnlessBreaksAreOff) {
    TMenuItem root;
    Child(root, L"a");
    Child(root, L"hidden", false);
    Child(root, L"b");
    Child(root, L"c");  // visible row 2: the second column with 2 per column
    TMenuItem& sub = Child(root[0], L"in a submenu");

    struct Case { bool noBanner; bool disableBreaks; bool expected[4]; };
    const Case cases[] = {
        {false, false, {true, true, true, false}},
        {false, true, {true, true, true, true}},
        {true, false, {false, false, false, false}},
        {true, true, {false, false, false, false}},
    };
    for (const Case& c : cases) {
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(ShowsBanner(root[i], c.noBanner, c.disableBreaks, 2), c.expected[i])
                << "item " << i << " noBanner " << c.noBanner << " disableBreaks " << c.disableBreaks;
        EXPECT_FALSE(ShowsBanner(sub, c.noBanner, c.disableBreaks, 2));
    }
}

TEST(ItemColumnSize, LargeListsUseTheLargeCount) {
    EXPECT_EQ(ItemColumnSize(true, 20, 32), 20);
    EXPECT_EQ(ItemColumnSize(false, 20, 32), 32);
}

TEST(AdditionalIconIndex, CommandsByTagFilesAndFoldersByKindOthersNone) {
    TMenuItem root;
    TMenuItem& settings = Child(root, L"Settings...");
    settings.Tag = 4;
    TMenuItem& exit = Child(root, L"Exit");
    exit.Tag = 8;
    TMenuItem& n1 = Child(root, L"");
    TMenuItem& empty = Child(root, L"(Empty)");
    struct Case { const TMenuItem* item; bool isCommand; int expected; };
    const Case cases[] = {
        {&DataChild(root, false, false), false, 0}, {&DataChild(root, true, false), false, 1},
        {&DataChild(root, false, true), false, 2},  {&DataChild(root, true, true), false, 3},
        {&settings, true, 4}, {&exit, true, 8},
        {&n1, false, -1}, {&empty, false, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(AdditionalIconIndex(c.isCommand, *c.item), c.expected);
}

TEST(GetAdditionalIconInfo, ColumnSizesFollowThePictureOfTheListSize) {
    TAdditionalIconSet icons{};
    icons[2] = {{32, 32}, {16, 16}, false};
    icons[3] = {{48, 40}, {20, 18}, true};   // hidden, odd sizes
    icons[4] = {{0, 0}, {0, 0}, false};      // the file gave no picture

    struct Case { const char* name; bool noExtra; int index; bool large; TAdditionalIconInfo expected; };
    const Case cases[] = {
        {"large picture", false, 2, true, {35, 38, false, 2, true, {32, 32}}},
        {"small picture", false, 2, false, {19, 22, false, 2, false, {16, 16}}},
        {"hidden still reserves", false, 3, false, {23, 24, true, 3, false, {20, 18}}},
        {"empty picture reserves 3 x 6", false, 4, true, {3, 6, false, 4, true, {0, 0}}},
        {"no icon, large list", false, -1, true, {35, 38, false, -1, false, {}}},
        {"no icon, small list", false, -1, false, {19, 22, false, -1, false, {}}},
        {"column off", true, 2, true, {0, 0, false, -1, false, {}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TAdditionalIconInfo info = GetAdditionalIconInfo(c.noExtra, c.index, c.large, icons);
        EXPECT_EQ(info.AreaWidth, c.expected.AreaWidth);
        EXPECT_EQ(info.AreaHeight, c.expected.AreaHeight);
        EXPECT_EQ(info.Disappeared, c.expected.Disappeared);
        EXPECT_EQ(info.Icon, c.expected.Icon);
        EXPECT_EQ(info.Large, c.expected.Large);
        EXPECT_EQ(info.IconSize, c.expected.IconSize);
    }
}

TEST(MeasureMenuItem, ColumnsAddUpAndTheTallestPartSetsTheHeight) {
    struct Case {
        const char* name;
        TMeasureInput in;
        TSize expected;
    };
    const TSize large{32, 32}, small{16, 16};
    const Case cases[] = {
        {"large list, additional icons, 100 x 13 caption", {large, 35, 38, {0, 0, 100, 13}}, {191, 38}},
        {"the same in the banner column", {large, 35, 38, {0, 0, 100, 13}, false, 256, 21}, {212, 38}},
        {"small list, no additional icons", {small, 0, 0, {0, 0, 80, 13}}, {120, 22}},
        {"expansion item, large list", {large, 35, 38, {}}, {91, 38}},
        {"expansion item, small list", {small, 19, 22, {}}, {59, 22}},
        {"expansion item, no additional icons", {small, 0, 0, {}}, {40, 22}},
        {"empty additional icon", {small, 3, 6, {0, 0, 100, 13}}, {143, 22}},
        {"caption cut at the limit", {small, 19, 22, {0, 0, 300, 13}, false, 256}, {315, 22}},
        {"a smaller limit", {small, 19, 22, {0, 0, 300, 13}, false, 50}, {109, 22}},
        {"limit switched off", {small, 19, 22, {0, 0, 300, 13}, true, 50}, {359, 22}},
        {"a tall caption", {small, 19, 22, {0, 0, 10, 40}}, {69, 40}},
        {"nothing attached: at least 8 high", {{0, 0}, 0, 0, {}}, {24, 8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MeasureMenuItem(c.in), c.expected);
    }
}
