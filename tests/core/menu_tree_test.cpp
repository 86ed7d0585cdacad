#include "core/menu_tree.h"

#include <gtest/gtest.h>

#include "menu_fakes.h"

using namespace core;

namespace {

struct Recorder {
    std::vector<std::wstring> Events;
    TItemHandlers Handlers() {
        TItemHandlers h;
        h.Owner = this;
        h.ExecuteItem = [this](TMenuItem&) { Events.push_back(L"ExecuteItem"); };
        h.FolderClick = [this](TMenuItem&) { Events.push_back(L"FolderClick"); };
        h.N1Click = [this](TMenuItem&) { Events.push_back(L"N1Click"); };
        h.DrawItem = [this](TMenuItem&, TDrawItemArgs&) { Events.push_back(L"Draw"); };
        h.MeasureItem = [this](TMenuItem&, TMeasureItemArgs&) { Events.push_back(L"Measure"); };
        return h;
    }
    TFormItemHandlers Commands() {
        TFormItemHandlers c;
        c.SettingsMenuItemClick = [this](TMenuItem&) { Events.push_back(L"Settings"); };
        c.DonateMenuItemClick = [this](TMenuItem&) { Events.push_back(L"Donate"); };
        c.AboutMenuItemClick = [this](TMenuItem&) { Events.push_back(L"About"); };
        c.RunMenuItemClick = [this](TMenuItem&) { Events.push_back(L"Run"); };
        c.ExitMenuItemClick = [this](TMenuItem&) { Events.push_back(L"Exit"); };
        return c;
    }
};

std::unique_ptr<TMenuItemData> Record(bool isDir, const wchar_t* name) {
    auto d = std::make_unique<TMenuItemData>();
    d->IsDir = isDir;
    d->DisplayName = name;
    d->AbsoluteFilename = std::wstring(L"C:\\M\\") + name;
    d->Ii = 7;
    return d;
}

void Fire(TMenuItem& item) {
    TDrawItemArgs draw;
    TMeasureItemArgs measure;
    if (item.OnClick) item.OnClick(item);
    item.OnDrawItem(item, draw);
    item.OnMeasureItem(item, measure);
}

}  // namespace

TEST(MenuTree, FormItemsCloseTheTopLevelWithTheirTagsAndHandlers) {
    Recorder r;
    TMenuItem root;
    TFormMenuItems form = AddFormItems(root, r.Handlers(), r.Commands());
    ASSERT_EQ(root.Count(), 6);
    struct Case { TMenuItem* item; const wchar_t* caption; int tag; const wchar_t* click; bool command; };
    const Case cases[] = {
        {form.SettingsMenuItem, L"Settings...", 4, L"Settings", true},
        {form.DonateMenuItem, L"Donate", 5, L"Donate", true},
        {form.AboutMenuItem, L"About...", 6, L"About", true},
        {form.RunMenuItem, L"Run...", 7, L"Run", true},
        {form.ExitMenuItem, L"Exit", 8, L"Exit", true},
        {form.N1, L"", 0, L"N1Click", false},
    };
    int index = 0;
    for (const Case& c : cases) {
        EXPECT_EQ(c.item, &root[index++]);
        EXPECT_EQ(c.item->Caption, c.caption);
        EXPECT_EQ(c.item->Tag, c.tag);
        EXPECT_EQ(IsCommandItem(form, *c.item), c.command) << c.caption;
        EXPECT_EQ(c.item->Owner, &r);
        r.Events.clear();
        Fire(*c.item);
        EXPECT_EQ(r.Events, (std::vector<std::wstring>{c.click, L"Draw", L"Measure"}));
    }
    EXPECT_TRUE(IsExpansionItem(*form.N1));
}

TEST(MenuTree, BuiltItemsFollowTheCreationConvention) {
    Recorder r;
    TMenuItem root;
    TFormMenuItems form = AddFormItems(root, r.Handlers(), r.Commands());
    TMenuItem& file = InsertDataItem(root, kTopLevelReserve, Record(false, L"a.lnk"), r.Handlers());
    TMenuItem& folder = InsertDataItem(root, kTopLevelReserve, Record(true, L"Apps"), r.Handlers());
    TMenuItem& inner = InsertDataItem(folder, 0, Record(false, L"b.lnk"), r.Handlers());

    EXPECT_EQ(file.MenuIndex(), 0);
    EXPECT_EQ(folder.MenuIndex(), 1);
    EXPECT_EQ(form.SettingsMenuItem->MenuIndex(), 2);
    EXPECT_EQ(inner.Parent(), &folder);
    EXPECT_EQ(file.Caption, L"a.lnk");
    EXPECT_EQ(file.ImageIndex, 7);
    EXPECT_EQ(file.Tag, 0);
    EXPECT_EQ(file.Owner, &r);
    EXPECT_FALSE(IsCommandItem(form, file));

    r.Events.clear();
    Fire(file);
    Fire(folder);
    EXPECT_EQ(r.Events, (std::vector<std::wstring>{L"ExecuteItem", L"Draw", L"Measure", L"FolderClick", L"Draw",
                                                   L"Measure"}));
}

TEST(MenuTree, ItemKindsAreToldApartByRecordTagAndCaption) {
    Recorder r;
    TMenuItem root;
    TFormMenuItems form = AddFormItems(root, r.Handlers(), r.Commands());
    TMenuItem& folder = InsertDataItem(root, kTopLevelReserve, Record(true, L"Apps"), r.Handlers());
    TMenuItem& file = InsertDataItem(root, kTopLevelReserve, Record(false, L"a.lnk"), r.Handlers());
    TMenuItem& empty = InsertDataItem(root, kTopLevelReserve, Record(true, L"Empty"), r.Handlers());
    AddEmptyItem(empty, L"(Empty)", r.Handlers());
    TMenuItem& expansion = AppendExpansionItem(folder, r.Handlers());

    struct Case { const TMenuItem* item; bool data, folderData, fileData, placeholder, expansionKind; };
    const Case cases[] = {
        {&folder, true, true, false, false, false},
        {&file, true, false, true, false, false},
        {&empty[0], false, false, false, true, false},
        {&expansion, false, false, false, false, true},
        {form.N1, false, false, false, false, true},
        {form.ExitMenuItem, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CarriesData(*c.item), c.data) << c.item->Caption;
        EXPECT_EQ(CarriesFolder(*c.item), c.folderData) << c.item->Caption;
        EXPECT_EQ(CarriesFile(*c.item), c.fileData) << c.item->Caption;
        EXPECT_EQ(IsEmptyPlaceholder(*c.item), c.placeholder) << c.item->Caption;
        EXPECT_EQ(IsExpansionItem(*c.item), c.expansionKind) << c.item->Caption;
    }
}

TEST(MenuTree, EmptyPlaceholderOnlyInAFolderWithoutChildren) {
    Recorder r;
    TMenuItem empty, full;
    full.Add(std::make_unique<TMenuItem>());
    AddEmptyItem(empty, L"(Leer)", r.Handlers());
    AddEmptyItem(full, L"(Leer)", r.Handlers());
    AddEmptyItem(empty, L"(Leer)", r.Handlers());   // a second call finds the placeholder

    ASSERT_EQ(empty.Count(), 1);
    EXPECT_EQ(empty[0].Caption, L"(Leer)");
    EXPECT_FALSE(empty[0].Enabled);
    EXPECT_EQ(empty[0].Tag, 0);
    EXPECT_FALSE(empty[0].OnClick);
    EXPECT_TRUE(empty[0].OnDrawItem && empty[0].OnMeasureItem);
    EXPECT_EQ(full.Count(), 1);
    EXPECT_TRUE(full[0].Caption.empty());
}

TEST(MenuTree, ClearMenuLeavesExactlyTheSixFormItems) {
    Recorder r;
    TMenuItem root;
    TFormMenuItems form = AddFormItems(root, r.Handlers(), r.Commands());
    for (int i = 0; i < 3; ++i) {
        TMenuItem& folder = InsertDataItem(root, kTopLevelReserve, Record(true, L"F"), r.Handlers());
        InsertDataItem(folder, 0, Record(false, L"f"), r.Handlers());
        AppendExpansionItem(folder, r.Handlers());
    }
    InsertDataItem(root, kTopLevelReserve, Record(false, L"top"), r.Handlers());

    ClearMenu(root);
    ASSERT_EQ(root.Count(), 6);
    EXPECT_EQ(&root[0], form.SettingsMenuItem);
    EXPECT_EQ(&root[5], form.N1);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(root[i].Tag, 4 + i);

    ClearMenu(root);   // nothing built: nothing changes
    EXPECT_EQ(root.Count(), 6);
}

TEST(ShowAllItems, ShowsEverythingButExpansionItemsAndLeavesTheReserveAlone) {
    core::TMenuItem root;
    auto add = [](core::TMenuItem& parent, const wchar_t* caption, bool visible) -> core::TMenuItem& {
        auto item = std::make_unique<core::TMenuItem>();
        item->Caption = caption;
        item->Visible = visible;
        return parent.Add(std::move(item));
    };
    core::TMenuItem& folder = add(root, L"Folder", false);
    add(folder, L"File", false);
    add(folder, L"", true);  // the folder's expansion item
    add(root, L"", true);    // reserved: stays as it is
    core::ShowAllItems(root, 1);
    EXPECT_TRUE(folder.Visible);
    EXPECT_TRUE(folder[0].Visible);
    EXPECT_FALSE(folder[1].Visible);
    EXPECT_TRUE(root[1].Visible);
}
