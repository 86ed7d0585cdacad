// Building the menu from real folders in the shell's Start Menus, Favorites and Recent.
#include "menu_test_support.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>

namespace {

using core::TShellFolder;
using core::TStartMenuView;

const TStartMenuView kMerged{};
const TStartMenuView kSeparate{false, false, true};
const TStartMenuView kPersonalOnly{true, false, false};

std::wstring CommonStartMenu() { return ShellFolderPath(CSIDL_COMMON_STARTMENU); }
std::wstring PersonalStartMenu() { return ShellFolderPath(CSIDL_STARTMENU); }
std::wstring Favorites() { return ShellFolderPath(CSIDL_FAVORITES); }
std::wstring Recent() { return ShellFolderPath(CSIDL_RECENT); }

std::wstring Notepad() {
    wchar_t dir[MAX_PATH] = {};
    GetSystemDirectoryW(dir, MAX_PATH);
    return std::wstring(dir) + L"\\notepad.exe";
}

const core::TMenuItem& Only(const std::vector<core::TMenuItem*>& items) {
    EXPECT_EQ(items.size(), 1u);
    static core::TMenuItem none;
    return items.empty() ? none : *items.front();
}

}  // namespace

TEST(MenuBuildWin, HiddenEntriesNeverShowSystemFilesDo) {
    TTestFolder t(PersonalStartMenu() + L"\\Vesk Listing");
    t.File(L"shown.txt");
    t.File(L"hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    t.File(L"system.txt", FILE_ATTRIBUTE_SYSTEM);
    t.File(L"hidden system.txt", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    t.Dir(L"hidden folder", FILE_ATTRIBUTE_HIDDEN);
    t.File(L"hidden folder\\inside hidden.txt");
    t.Dir(L"open folder");
    t.File(L"open folder\\inside open.txt");
    TTestBuild b;
    b.Build(kPersonalOnly);
    EXPECT_EQ(Outline(Only(TopLevelItems(b.Root, L"Vesk Listing"))),
              L"open folder[inside open.txt|>>]|shown.txt|system.txt|>>");
}

TEST(MenuBuildWin, RecentShowsFilesOnlyFavoritesShowSubfoldersFirst) {
    TTestFolder fav(Favorites() + L"\\Vesk Favorites");
    fav.File(L"a link.txt");
    fav.Dir(L"z sub");
    fav.File(L"z sub\\inner.txt");
    fav.Dir(L"empty sub");
    TTestFolder recentDir(Recent() + L"\\Vesk recent folder");
    recentDir.File(L"inside.txt");
    TTestFile recentFile(Recent() + L"\\Vesk recent.txt");

    TTestBuild b;
    b.Build(kMerged);

    ASSERT_TRUE(b.Builder.FFavorites && b.Builder.FDocuments);
    // Start Menu entries, Favorites, Documents, the six form items.
    const int count = b.Root.Count();
    EXPECT_EQ(&b.Root[count - 8], b.Builder.FFavorites);
    EXPECT_EQ(&b.Root[count - 7], b.Builder.FDocuments);
    EXPECT_EQ(&b.Root[count - 6], b.Form.SettingsMenuItem);

    const core::TMenuItem* vesk = ChildItem(*b.Builder.FFavorites, L"Vesk Favorites");
    ASSERT_TRUE(vesk);
    EXPECT_EQ(Outline(*vesk), L"empty sub[-]|z sub[inner.txt|>>]|a link.txt|>>");
    EXPECT_TRUE(ChildItem(*b.Builder.FDocuments, L"Vesk recent.txt"));
    EXPECT_FALSE(ChildItem(*b.Builder.FDocuments, L"Vesk recent folder")) << "Recent lists no folder";
}

TEST(MenuBuildWin, TheStartMenusMergeIntoThePersonalFolderOrShowOneAfterTheOther) {
    TTestFolder common(CommonStartMenu() + L"\\Vesk Apps");
    common.File(L"common only.txt");
    common.File(L"Both.txt");
    TTestFolder personal(PersonalStartMenu() + L"\\Vesk Apps");
    personal.File(L"personal only.txt");
    personal.File(L"BOTH.txt");

    struct Case {
        const char* Name;
        TStartMenuView View;
        std::wstring Expected;
    } cases[] = {
        {"merged", kMerged, L"p:Vesk Apps[p:BOTH.txt|c:common only.txt|p:personal only.txt|>>]"},
        {"separate", kSeparate, L"c:Vesk Apps[c:Both.txt|c:common only.txt|>>] p:Vesk Apps[p:BOTH.txt|p:personal only.txt|>>]"},
    };
    TTestBuild b;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        b.Build(c.View);
        std::wstring shown;
        for (core::TMenuItem* item : TopLevelItems(b.Root, L"Vesk Apps")) {
            if (!shown.empty()) shown += L' ';
            shown += (item->Data && item->Data->IsPersonal ? L"p:" : L"c:") + item->Caption + L"[" +
                     Outline(*item, true) + L"]";
        }
        EXPECT_EQ(shown, c.Expected);
    }
    // The entry in both is the personal file.
    b.Build(kMerged);
    const core::TMenuItem* both = ChildItem(Only(TopLevelItems(b.Root, L"Vesk Apps")), L"BOTH.txt");
    ASSERT_TRUE(both && both->Data);
    EXPECT_EQ(both->Data->AbsoluteFilename, personal.PathOf(L"BOTH.txt"));
}

TEST(MenuBuildWin, BothRootsHiddenLeaveFavoritesDocumentsAndTheFormItems) {
    TTestFolder common(CommonStartMenu() + L"\\Vesk Hidden Root");
    common.File(L"a.txt");
    TTestBuild b;
    b.Build({true, true, false});
    ASSERT_EQ(b.Root.Count(), 8);
    EXPECT_EQ(&b.Root[0], b.Builder.FFavorites);
    EXPECT_EQ(&b.Root[1], b.Builder.FDocuments);
    EXPECT_EQ(&b.Root[2], b.Form.SettingsMenuItem);
    EXPECT_EQ(&b.Root[7], b.Form.N1);
}

TEST(MenuBuildWin, AMissingFavoritesFolderGivesNoFavoritesItem) {
    TFolderAside aside(Favorites());
    TTestBuild b;
    b.Build(kMerged);
    EXPECT_EQ(b.Builder.FFavorites, nullptr);
    ASSERT_TRUE(b.Builder.FDocuments);
    const int count = b.Root.Count();
    EXPECT_EQ(&b.Root[count - 7], b.Builder.FDocuments);
    EXPECT_FALSE(count >= 8 && b.Root[count - 8].Data && b.Root[count - 8].Data->AbsoluteFilename == Favorites());
}

TEST(MenuBuildWin, EqualDisplayNamesFollowTheirFullPaths) {
    TTestFolder t(PersonalStartMenu() + L"\\Vesk Same");
    // Created in the opposite order, so the listing order cannot be what decides.
    t.File(L"Doc.url", 0, "[InternetShortcut]\r\nURL=http://example.com/\r\n");
    t.Shortcut(L"Doc.lnk", Notepad());
    TTestBuild b;
    b.Build(kPersonalOnly);
    const core::TMenuItem& folder = Only(TopLevelItems(b.Root, L"Vesk Same"));
    ASSERT_EQ(Outline(folder), L"Doc|Doc|>>") << "both named Doc by the shell";
    EXPECT_EQ(folder[0].Data->AbsoluteFilename, t.PathOf(L"Doc.lnk"));
    EXPECT_EQ(folder[1].Data->AbsoluteFilename, t.PathOf(L"Doc.url"));
}

TEST(MenuBuildWin, NamesAndIconsFollowTrueNamesAndGenericIcons) {
    TTestFolder t(PersonalStartMenu() + L"\\Vesk Names");
    t.Shortcut(L"Notepad.lnk", Notepad());
    struct Case {
        bool GenericIcons, TrueNames;
        std::wstring Caption;
        bool AsksTheShell;
    } cases[] = {
        {false, false, L"Notepad", true},
        {false, true, L"Notepad.lnk", true},
        {true, false, L"Notepad", true},
        {true, true, L"Notepad.lnk", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "generic icons " << c.GenericIcons << ", true names " << c.TrueNames);
        TTestBuild b;
        b.Build(kPersonalOnly, c.GenericIcons, c.TrueNames);
        const core::TMenuItem& folder = Only(TopLevelItems(b.Root, L"Vesk Names"));
        ASSERT_GE(folder.Count(), 1);
        EXPECT_EQ(folder[0].Caption, c.Caption);
        EXPECT_EQ(b.Shell.Calls > 0, c.AsksTheShell);
        EXPECT_EQ(folder[0].ImageIndex >= 0, !c.GenericIcons) << "a shell icon unless generic icons";
    }
}

// Entries that vanish, cannot be listed or reach the path-length limit while a build runs: the
// build goes on with what it can read and says nothing.
TEST(MenuBuildWin, TroubleDuringTheScanIsSilent) {
    const std::wstring root = PersonalStartMenu() + L"\\Vesk Trouble";
    const std::wstring longest(MAX_PATH - 1 - root.size() - 1, L'n');   // root\longest: MAX_PATH - 1
    struct Case {
        const char* Name;
        std::function<void(TTestFolder&, TTestBuild&, UniqueFile&)> Arrange;
        std::wstring Expected;
    } cases[] = {
        {"folder deleted between its parent's listing and its own",
         [](TTestFolder& t, TTestBuild& b, UniqueFile&) {
             t.Dir(L"gone");
             t.File(L"gone\\inner.txt");
             t.File(L"kept.txt");
             b.Lister.AfterList = [&t](const std::wstring& path) {
                 if (path == t.Path()) RemoveTree(t.PathOf(L"gone"));
             };
         },
         L"[-]|kept.txt|>>"},
        {"file deleted while another is asked about",
         [](TTestFolder& t, TTestBuild& b, UniqueFile&) {
             t.File(L"a.txt");
             t.File(L"b.txt");
             t.File(L"kept.txt");
             b.Shell.BeforeQuery = [&t](const std::wstring& path) {
                 if (path == t.PathOf(L"a.txt")) RemoveTree(t.PathOf(L"b.txt"));
             };
         },
         L"|a.txt|kept.txt|>>"},
        {"folder deleted while its entries are asked about",
         [](TTestFolder& t, TTestBuild& b, UniqueFile&) {
             t.Dir(L"sub");
             t.File(L"sub\\one.txt");
             t.File(L"sub\\two.txt");
             b.Shell.BeforeQuery = [&t](const std::wstring& path) {
                 if (path == t.PathOf(L"sub\\one.txt")) RemoveTree(t.PathOf(L"sub"));
             };
         },
         L"sub[||>>]|>>"},
        {"folder that cannot be listed",
         [](TTestFolder& t, TTestBuild&, UniqueFile& lock) {
             t.Dir(L"locked");
             t.File(L"locked\\inner.txt");
             t.File(L"kept.txt");
             lock = LockFolder(t.PathOf(L"locked"));
         },
         L"locked[-]|kept.txt|>>"},
        {"names at the path-length limit",
         [longest](TTestFolder& t, TTestBuild&, UniqueFile&) {
             t.File(longest);                       // the longest full path there is: shown
             t.File(longest + L"x");                // one longer: of no use to the shell
             t.Dir(longest.substr(0, longest.size() - 2));
             t.File(longest.substr(0, longest.size() - 2) + L"\\inner.txt");
         },
         longest.substr(0, longest.size() - 2) + L"[-]|" + longest + L"|>>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        UniqueFile lock;
        TTestFolder t(root);
        TTestBuild b;
        c.Arrange(t, b, lock);
        TDialogWatch watch;
        b.Build(kPersonalOnly);
        lock.reset();
        EXPECT_EQ(Outline(Only(TopLevelItems(b.Root, L"Vesk Trouble"))), c.Expected);
        EXPECT_TRUE(b.Builder.FFavorites && b.Builder.FDocuments) << "the build went on to the end";
        EXPECT_TRUE(watch.Seen().empty()) << "nothing is reported";
    }
}

TEST(MenuBuildWin, AFavoritesFolderThatCannotBeListedStillHasItsItem) {
    UniqueFile lock = LockFolder(Favorites());
    ASSERT_TRUE(lock);
    TTestBuild b;
    TDialogWatch watch;
    b.Build(kMerged);
    lock.reset();
    ASSERT_TRUE(b.Builder.FFavorites);
    EXPECT_EQ(Outline(*b.Builder.FFavorites), L"-");
    EXPECT_TRUE(watch.Seen().empty());
}
