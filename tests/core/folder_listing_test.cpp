#include "core/folder_listing.h"

#include <gtest/gtest.h>

#include "menu_fakes.h"

using namespace core;

TEST(ListFolder, SkipsHiddenEntriesDotsAndFoldersWhenNotRecursing) {
    constexpr std::uint32_t H = kFileAttributeHidden, S = kFileAttributeSystem, D = kFileAttributeDirectory;
    struct Case { const wchar_t* name; std::uint32_t attributes; bool listedRecursing, listedFlat; };
    const Case cases[] = {
        {L"App.lnk", 0, true, true},
        {L"desktop.ini", H | S, false, false},
        {L"System.lnk", S, true, true},                 // system but not hidden: shown
        {L"Hidden.lnk", H, false, false},
        {L"Tools", D, true, false},
        {L"Secret", D | H, false, false},               // a hidden folder is never entered
        {L".", D, false, false},
        {L"..", D, false, false},
        {L".profile", 0, true, true},                   // a file that merely starts with a dot
        {L"ReadOnly.url", 0x1 | 0x20, true, true},
    };
    fakes::FakeDisk disk;
    disk.Root(L"C:\\M");
    for (const Case& c : cases) disk.Raw(L"C:\\M", {c.name, c.attributes});

    for (bool recurse : {true, false}) {
        std::vector<TListedEntry> listed = ListFolder(disk, L"C:\\M", recurse);
        std::size_t next = 0;
        for (const Case& c : cases) {
            if (!(recurse ? c.listedRecursing : c.listedFlat)) continue;
            ASSERT_LT(next, listed.size());
            EXPECT_EQ(listed[next].FullPath, std::wstring(L"C:\\M\\") + c.name);
            EXPECT_EQ(listed[next].IsDir, (c.attributes & D) != 0);
            ++next;
        }
        EXPECT_EQ(next, listed.size()) << "recurse " << recurse;
    }
}

TEST(ListFolder, AFolderThatCannotBeListedGivesNothing) {
    fakes::FakeDisk disk;
    EXPECT_TRUE(ListFolder(disk, L"C:\\Missing", true).empty());
}
