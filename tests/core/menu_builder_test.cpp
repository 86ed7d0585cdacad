#include "core/menu_builder.h"

#include <gtest/gtest.h>

#include "menu_fakes.h"

using namespace core;
using fakes::Outline;

namespace {

const std::wstring kCommon = L"C:\\All\\Start";
const std::wstring kPersonal = L"C:\\Me\\Start";
const std::wstring kFav = L"C:\\Me\\Fav";
const std::wstring kRecent = L"C:\\Me\\Recent";

TStartMenuView Merged() { return {}; }
TStartMenuView Separate() { return {false, false, true}; }

// Every item with children is a folder item (or the root): nothing is launched and opened at once.
void ExpectOnlyFoldersHaveChildren(const TMenuItem& parent) {
    for (int i = 0; i < parent.Count(); ++i) {
        const TMenuItem& item = parent[i];
        if (item.Count() > 0) {
            EXPECT_TRUE(CarriesFolder(item)) << "children below a non-folder";
        }
        ExpectOnlyFoldersHaveChildren(item);
    }
}

class MenuBuild : public ::testing::Test {
protected:
    MenuBuild() {
        form = AddFormItems(root, {}, {});
        host.Folders = {{TShellFolder::CommonStartMenu, kCommon},
                        {TShellFolder::StartMenu, kPersonal},
                        {TShellFolder::Favorites, kFav},
                        {TShellFolder::Recent, kRecent}};
        for (const auto& [folder, path] : host.Folders) disk.Root(path);
        builder = std::make_unique<TMenuBuilder>(root, disk, shell, collation, host);
    }

    void Build(TStartMenuView view) {
        builder->Settings.View = view;
        builder->BuildMenu(oldStyleStack, stack);
    }
    std::wstring Top(bool withOrigin = false) const { return Outline(root, kTopLevelReserve, withOrigin); }
    // The built top-level item with this caption.
    TMenuItem* TopItem(const std::wstring& caption) {
        for (int i = 0; i < root.Count() - kTopLevelReserve; ++i)
            if (root[i].Caption == caption) return &root[i];
        return nullptr;
    }

    // Common and personal Start Menus that share an application folder.
    void SharedApplicationFolder() {
        disk.File(kCommon + L"\\Zed.lnk");
        disk.Dir(kCommon + L"\\Apps");
        disk.File(kCommon + L"\\Apps\\x.lnk");
        disk.Dir(kCommon + L"\\Apps\\Sub");
        disk.File(kCommon + L"\\Apps\\Sub\\deep.lnk");
        disk.File(kCommon + L"\\a.lnk");
        disk.File(kPersonal + L"\\b.lnk");
        disk.Dir(kPersonal + L"\\Apps");
        disk.File(kPersonal + L"\\Apps\\y.lnk");
        disk.Dir(kPersonal + L"\\Empty");
        disk.File(kRecent + L"\\doc.txt");
    }

    fakes::FakeDisk disk;
    fakes::FakeShell shell;
    fakes::FoldingCollation collation;
    fakes::FakeHost host;
    TMenuItem root;
    TFormMenuItems form;
    TMenuItemStack oldStyleStack{collation};
    TMenuItemStack stack{collation};
    std::unique_ptr<TMenuBuilder> builder;
};

TEST_F(MenuBuild, SeparateModeShowsCommonThenPersonalEachFilesFirst) {
    SharedApplicationFolder();
    Build(Separate());
    EXPECT_EQ(Top(true), L"c:a|c:Zed|c:Apps[c:Sub[c:deep|>>]|c:x|>>]|p:b|p:Apps[p:y|>>]|p:Empty[-]|p:Fav[-]|"
                         L"p:Recent[p:doc|>>]");
    EXPECT_EQ(root.Count() - kTopLevelReserve, 8);
    EXPECT_EQ(&root[root.Count() - 6], form.SettingsMenuItem);
    EXPECT_EQ(builder->FFavorites, TopItem(L"Fav"));
    EXPECT_EQ(builder->FDocuments, TopItem(L"Recent"));
    ExpectOnlyFoldersHaveChildren(root);
}

TEST_F(MenuBuild, MergedModeGivesOneFolderWithThePersonalNameHoldingBothSides) {
    SharedApplicationFolder();
    shell.Names[kPersonal + L"\\Apps"] = L"My Apps";
    Build(Merged());
    EXPECT_EQ(Top(true), L"c:a|p:b|c:Zed|p:Empty[-]|p:My Apps[c:Sub[c:deep|>>]|c:x|p:y|>>]|p:Fav[-]|"
                         L"p:Recent[p:doc|>>]");
    const TMenuItem* apps = TopItem(L"My Apps");
    ASSERT_NE(apps, nullptr);
    EXPECT_EQ(apps->Data->AbsoluteFilename, kPersonal + L"\\Apps");
    EXPECT_EQ(apps->ImageIndex, shell.Icons.at(kPersonal + L"\\Apps"));
    EXPECT_EQ(apps->ImageIndex, apps->Data->Ii);
    ExpectOnlyFoldersHaveChildren(root);
}

TEST_F(MenuBuild, MergedEntryInBothShowsOnceAsThePersonalOne) {
    disk.File(kCommon + L"\\Read.lnk");
    disk.Dir(kCommon + L"\\Apps");
    disk.File(kCommon + L"\\Apps\\Tool.lnk");
    disk.File(kCommon + L"\\Apps\\Common.lnk");
    disk.File(kPersonal + L"\\read.lnk");
    disk.Dir(kPersonal + L"\\apps");
    disk.File(kPersonal + L"\\apps\\tool.LNK");
    disk.File(kPersonal + L"\\apps\\Mine.lnk");
    Build(Merged());

    EXPECT_EQ(Top(true), L"p:read|p:apps[c:Common|p:Mine|p:tool|>>]|p:Fav[-]|p:Recent[-]");
    const TMenuItem& tool = (*TopItem(L"apps"))[2];
    EXPECT_EQ(tool.Data->AbsoluteFilename, kPersonal + L"\\apps\\tool.LNK");
    EXPECT_EQ(tool.ImageIndex, shell.Icons.at(kPersonal + L"\\apps\\tool.LNK"));
}

TEST_F(MenuBuild, MergedFoldersAndFilesOfTheSameRelativePath) {
    // A personal folder over a common file becomes a folder. A personal file over a common folder
    // does not take it over: the folder keeps the common side, and the file gets an item of its own.
    disk.File(kCommon + L"\\Games");
    disk.Dir(kPersonal + L"\\Games");
    disk.File(kPersonal + L"\\Games\\g.lnk");
    disk.Dir(kCommon + L"\\Tools");
    disk.File(kCommon + L"\\Tools\\t.lnk");
    disk.Dir(kCommon + L"\\Tools\\Inner");
    disk.File(kCommon + L"\\Tools\\Inner\\i.lnk");
    disk.File(kPersonal + L"\\Tools");
    Build(Merged());

    EXPECT_EQ(Top(true), L"p:Tools|p:Games[p:g|>>]|c:Tools[c:Inner[c:i|>>]|c:t|>>]|p:Fav[-]|p:Recent[-]");
    ExpectOnlyFoldersHaveChildren(root);
    const TMenuItem& file = root[0];
    EXPECT_TRUE(CarriesFile(file));
    EXPECT_EQ(file.Data->AbsoluteFilename, kPersonal + L"\\Tools");
    EXPECT_EQ(file.Count(), 0);

    // The personal file is a menu entry like any other: its launches survive the fitting.
    stack.Load({kPersonal + L"\\Tools", kCommon + L"\\Tools"});
    Build(Merged());
    EXPECT_EQ(stack.Entries(), std::vector<std::wstring>{kPersonal + L"\\Tools"});
}

TEST_F(MenuBuild, BothRootsHiddenLeaveFavoritesAndDocuments) {
    SharedApplicationFolder();
    Build({true, true, false});
    EXPECT_EQ(Top(), L"Fav[-]|Recent[doc|>>]");
    ASSERT_EQ(host.Watchers.size(), 2u);
    EXPECT_EQ(host.Watchers[0].first, TShellFolder::Favorites);
    EXPECT_EQ(host.Watchers[1].first, TShellFolder::Recent);
}

TEST_F(MenuBuild, MissingFavoritesGivesNoItemAndNoWatcher) {
    SharedApplicationFolder();
    host.Folders.erase(TShellFolder::Favorites);
    builder->FFavirites = L"C:\\Earlier";
    Build(Separate());
    EXPECT_EQ(builder->FFavorites, nullptr);
    EXPECT_EQ(builder->FFavirites, L"C:\\Earlier");
    EXPECT_EQ(Top(), L"a|Zed|Apps[Sub[deep|>>]|x|>>]|b|Apps[y|>>]|Empty[-]|Recent[doc|>>]");
    for (const auto& w : host.Watchers) EXPECT_NE(w.first, TShellFolder::Favorites);
}

TEST_F(MenuBuild, RecentListsFilesOnlyFavoritesKeepsSubfoldersFirst) {
    disk.File(kFav + L"\\zz.url");
    disk.File(kFav + L"\\hidden.url", kFileAttributeHidden);
    disk.File(kFav + L"\\sys.url", kFileAttributeSystem);
    disk.Dir(kFav + L"\\Links");
    disk.File(kFav + L"\\Links\\l.url");
    disk.Dir(kFav + L"\\Quiet");
    disk.Dir(kFav + L"\\Secret", kFileAttributeHidden);
    disk.File(kFav + L"\\Secret\\s.url");
    disk.Dir(kRecent + L"\\Old");
    disk.File(kRecent + L"\\Old\\x.txt");
    disk.File(kRecent + L"\\doc.txt");
    Build(Separate());
    EXPECT_EQ(Top(), L"Fav[Links[l|>>]|Quiet[-]|sys|zz|>>]|Recent[doc|>>]");
}

TEST_F(MenuBuild, EqualDisplayNamesFollowTheirFullPaths) {
    disk.Dir(kPersonal + L"\\Apps");
    disk.File(kPersonal + L"\\Apps\\z.lnk");
    disk.File(kPersonal + L"\\Apps\\B.lnk");
    disk.File(kPersonal + L"\\Apps\\m.lnk");
    for (const wchar_t* name : {L"z.lnk", L"B.lnk", L"m.lnk"}) shell.Names[kPersonal + L"\\Apps\\" + name] = L"Same";
    for (TStartMenuView view : {Separate(), Merged()}) {
        ClearMenu(root);
        Build(view);
        const TMenuItem& apps = *TopItem(L"Apps");
        ASSERT_EQ(apps.Count(), 4);
        EXPECT_EQ(apps[0].Data->AbsoluteFilename, kPersonal + L"\\Apps\\B.lnk");
        EXPECT_EQ(apps[1].Data->AbsoluteFilename, kPersonal + L"\\Apps\\m.lnk");
        EXPECT_EQ(apps[2].Data->AbsoluteFilename, kPersonal + L"\\Apps\\z.lnk");
    }
}

TEST_F(MenuBuild, NamesAndIconsFollowTrueNamesAndGenericIcons) {
    disk.File(kPersonal + L"\\Notepad.lnk");
    disk.Dir(kPersonal + L"\\Apps");
    disk.File(kPersonal + L"\\Apps\\Paint.lnk");
    struct Case { bool genericIcons, trueNames; const wchar_t* top; bool shellAsked; };
    const Case cases[] = {
        {false, false, L"Notepad|Apps[Paint|>>]|Fav[-]|Recent[-]", true},
        {false, true, L"Notepad.lnk|Apps[Paint.lnk|>>]|Fav[-]|Recent[-]", true},
        {true, false, L"Notepad|Apps[Paint|>>]|Fav[-]|Recent[-]", true},
        {true, true, L"Notepad.lnk|Apps[Paint.lnk|>>]|Fav[-]|Recent[-]", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.genericIcons << c.trueNames);
        ClearMenu(root);
        shell.Calls.clear();
        host.MessagePasses = 0;
        builder->Settings.GenericIcons = c.genericIcons;
        builder->Settings.TrueNames = c.trueNames;
        Build(Merged());
        EXPECT_EQ(Top(), c.top);
        EXPECT_EQ(!shell.Calls.empty(), c.shellAsked);
        // Each record (Notepad, Apps, Paint, Fav, Recent) processes the waiting messages once.
        EXPECT_EQ(host.MessagePasses, 5);
        const TMenuItem& notepad = root[0];
        EXPECT_EQ(notepad.ImageIndex, c.genericIcons ? -1 : shell.Icons.at(kPersonal + L"\\Notepad.lnk"));
    }
}

TEST_F(MenuBuild, FoldersThatCannotBeListedAddNothingButSpecialFoldersKeepTheirItem) {
    SharedApplicationFolder();
    disk.Unreadable(kCommon);
    disk.Unreadable(kRecent);
    disk.Unreadable(kPersonal + L"\\Apps");
    Build(Separate());
    EXPECT_EQ(Top(), L"b|Apps[-]|Empty[-]|Fav[-]|Recent[-]");
}

TEST_F(MenuBuild, WatchersStartPerLocatedFolderOnlyWhenTheEventWasReset) {
    SharedApplicationFolder();
    struct Case { TStartMenuView view; bool resetSucceeds; std::vector<TShellFolder> want; };
    using F = TShellFolder;
    const Case cases[] = {
        {Separate(), true, {F::CommonStartMenu, F::StartMenu, F::Favorites, F::Recent}},
        {Merged(), true, {F::CommonStartMenu, F::StartMenu, F::Favorites, F::Recent}},
        {{true, false, false}, true, {F::StartMenu, F::Favorites, F::Recent}},
        {Merged(), false, {}},
    };
    for (const Case& c : cases) {
        ClearMenu(root);
        host.Watchers.clear();
        host.ResetSucceeds = c.resetSucceeds;
        Build(c.view);
        std::vector<TShellFolder> started;
        for (const auto& [folder, field] : host.Watchers) {
            started.push_back(folder);
            // The watcher gets the builder's own path field, which holds the located path.
            const std::wstring* own = folder == F::CommonStartMenu ? &builder->FCommonStartMenu
                                      : folder == F::StartMenu     ? &builder->FStartMenu
                                      : folder == F::Favorites     ? &builder->FFavirites
                                                                   : &builder->FRecent;
            EXPECT_EQ(field, own);
            EXPECT_EQ(*field, host.Folders.at(folder));
        }
        EXPECT_EQ(started, c.want);
        EXPECT_EQ(host.Personalized, &c - cases + 1);
    }
}

TEST_F(MenuBuild, OnlyTheStackInForceIsFittedToTheNewMenu) {
    SharedApplicationFolder();
    const std::wstring valid = kCommon + L"\\Apps\\x.lnk";
    const std::wstring gone = kCommon + L"\\gone.lnk";
    for (TStartMenuView view : {Merged(), Separate()}) {
        ClearMenu(root);
        TMenuItemStack mergedStack(collation), separateStack(collation);
        mergedStack.Load({gone, valid});
        separateStack.Load({gone, valid});
        builder->Settings.View = view;
        builder->BuildMenu(separateStack, mergedStack);
        TMenuItemStack& inForce = view.Separate() ? separateStack : mergedStack;
        TMenuItemStack& other = view.Separate() ? mergedStack : separateStack;
        EXPECT_EQ(inForce.Entries(), std::vector<std::wstring>{valid});
        // a, Zed, x, deep, b, y and doc, in either view.
        EXPECT_EQ(inForce.Capacity(), 7);
        EXPECT_EQ(other.Entries(), (std::vector<std::wstring>{gone, valid}));
        EXPECT_EQ(other.Capacity(), 0);
    }
}

TEST_F(MenuBuild, MergedCommonFileReplacedByAPersonalOneStaysValid) {
    disk.File(kCommon + L"\\Read.lnk");
    disk.File(kPersonal + L"\\Read.lnk");
    disk.File(kPersonal + L"\\Write.lnk");
    stack.Load({kCommon + L"\\Read.lnk", kPersonal + L"\\Read.lnk", kCommon + L"\\gone.lnk"});
    Build(Merged());
    EXPECT_EQ(Top(true), L"p:Read|p:Write|p:Fav[-]|p:Recent[-]");
    EXPECT_EQ(stack.Entries(), (std::vector<std::wstring>{kCommon + L"\\Read.lnk", kPersonal + L"\\Read.lnk"}));
    EXPECT_EQ(stack.Capacity(), 2);
}

TEST_F(MenuBuild, ARebuildAfterClearMenuGivesTheSameTree) {
    SharedApplicationFolder();
    Build(Merged());
    const std::wstring first = Top(true);
    const TMenuItemId favoritesBefore = builder->FFavorites->Id();
    builder->ClearMenu();
    EXPECT_EQ(root.Count(), kTopLevelReserve);
    EXPECT_EQ(builder->FFavorites, nullptr);
    EXPECT_EQ(builder->FDocuments, nullptr);
    Build(Merged());
    EXPECT_EQ(Top(true), first);
    EXPECT_NE(builder->FFavorites->Id(), favoritesBefore);
}

TEST_F(MenuBuild, BuiltItemsGetTheMainFormsHandlers) {
    std::vector<std::wstring> events;
    builder->Handlers.Owner = &events;
    builder->Handlers.ExecuteItem = [&](TMenuItem& s) { events.push_back(L"run " + s.Caption); };
    builder->Handlers.FolderClick = [&](TMenuItem& s) { events.push_back(L"open " + s.Caption); };
    builder->Handlers.N1Click = [&](TMenuItem&) { events.push_back(L"expand"); };
    builder->Handlers.DrawItem = [&](TMenuItem&, TDrawItemArgs&) { events.push_back(L"draw"); };
    builder->Handlers.MeasureItem = [&](TMenuItem&, TMeasureItemArgs&) { events.push_back(L"measure"); };
    disk.Dir(kPersonal + L"\\Apps");
    disk.File(kPersonal + L"\\Apps\\x.lnk");
    Build(Merged());

    TMenuItem& apps = *TopItem(L"Apps");
    TMenuItem* items[] = {&apps, &apps[0], &apps[1], TopItem(L"Fav"), &(*TopItem(L"Fav"))[0]};
    TDrawItemArgs draw;
    TMeasureItemArgs measure;
    for (TMenuItem* item : items) {
        EXPECT_EQ(item->Owner, &events);
        if (item->OnClick) item->OnClick(*item);
        item->OnDrawItem(*item, draw);
        item->OnMeasureItem(*item, measure);
    }
    EXPECT_EQ(events, (std::vector<std::wstring>{L"open Apps", L"draw", L"measure", L"run x", L"draw", L"measure",
                                                 L"expand", L"draw", L"measure", L"open Fav", L"draw", L"measure",
                                                 L"draw", L"measure"}));
}

}  // namespace

namespace {

// Like the locale comparison, which passes over some characters entirely: here '~'.
class IgnoringTilde : public fakes::FoldingCollation {
public:
    TSortKey SortKey(const std::wstring& text) const override {
        std::wstring kept;
        for (wchar_t ch : text)
            if (ch != L'~') kept += ch;
        return FoldingCollation::SortKey(kept);
    }
};

TEST(MergedBuild, EqualRelativePathsResolveToTheFirstFolderInTheTree) {
    fakes::FakeDisk disk;
    fakes::FakeShell shell;
    fakes::FakeHost host;
    IgnoringTilde collation;
    host.Folders = {{TShellFolder::CommonStartMenu, kCommon}, {TShellFolder::StartMenu, kPersonal}};
    disk.Dir(kCommon + L"\\A~pps");
    disk.File(kCommon + L"\\A~pps\\one.lnk");
    disk.Dir(kCommon + L"\\Apps");
    disk.File(kCommon + L"\\Apps\\two.lnk");
    disk.Dir(kPersonal + L"\\apps");
    disk.File(kPersonal + L"\\apps\\three.lnk");
    TMenuItem root;
    AddFormItems(root, {}, {});
    TMenuItemStack a(collation), b(collation);
    TMenuBuilder builder(root, disk, shell, collation, host);
    builder.BuildMenu(a, b);
    // The personal folder takes over the first common one of its relative path (A~pps). Both
    // folders then sort by full path, so the common Apps stands first in the tree, and every
    // entry below either of them goes into it.
    EXPECT_EQ(Outline(root, kTopLevelReserve, true), L"c:Apps[c:one|p:three|c:two|>>]|p:apps[-]");
}

}  // namespace
