#include "core/menu_item_data.h"

#include <gtest/gtest.h>

#include "menu_fakes.h"

using namespace core;

TEST(FileNamePart, TextAfterTheLastBackslashOrColon) {
    struct Case { const wchar_t* path; const wchar_t* want; };
    const Case cases[] = {
        {L"C:\\Menu\\Notepad.lnk", L"Notepad.lnk"},
        {L"C:\\Menu\\Tools", L"Tools"},
        {L"C:Notes.txt", L"Notes.txt"},
        {L"Notes.txt", L"Notes.txt"},
        {L"C:\\Menu\\", L""},
    };
    for (const Case& c : cases) EXPECT_EQ(FileNamePart(c.path), c.want) << c.path;
}

TEST(FillItemData, ShellQueryFollowsGenericIconsAndTrueNames) {
    struct Case {
        bool genericIcons, trueNames;
        TShellInfoFlags flags;    // kShellNothing: the shell is not asked
        int ii;
        const wchar_t* displayName;
    };
    const Case cases[] = {
        {false, false, TShellInfoFlags(kShellIconIndex | kShellDisplayName), 100, L"Notepad"},
        {false, true, kShellIconIndex, 100, L"Notepad.lnk"},
        {true, false, kShellDisplayName, -1, L"Notepad"},
        {true, true, kShellNothing, -1, L"Notepad.lnk"},
    };
    for (const Case& c : cases) {
        fakes::FakeShell shell;
        int passes = 0;
        TItemDataSource source{&shell, c.genericIcons, c.trueNames, [&] { ++passes; }};
        auto data = NewItemData(source, false, L"C:\\Menu\\Notepad.lnk", true);
        SCOPED_TRACE(testing::Message() << c.genericIcons << c.trueNames);
        EXPECT_EQ(ShellInfoFlags(c.genericIcons, c.trueNames), c.flags);
        if (c.flags == kShellNothing) {
            EXPECT_TRUE(shell.Calls.empty());
        } else {
            ASSERT_EQ(shell.Calls.size(), 1u);
            EXPECT_EQ(shell.Calls[0].second, c.flags);
        }
        EXPECT_EQ(data->Ii, c.ii);
        EXPECT_EQ(data->DisplayName, c.displayName);
        EXPECT_EQ(data->AbsoluteFilename, L"C:\\Menu\\Notepad.lnk");
        EXPECT_TRUE(data->IsPersonal);
        EXPECT_FALSE(data->IsDir);
        EXPECT_EQ(passes, 1);   // waiting messages are processed once per record
    }
}

TEST(FillItemData, ShellFailureKeepsTheOldNameAndDropsTheIcon) {
    fakes::FakeShell shell;
    TItemDataSource source{&shell, false, false, {}};
    auto data = NewItemData(source, false, L"C:\\Common\\Tool.lnk", false);
    data->Raised = true;
    ASSERT_EQ(data->DisplayName, L"Tool");

    // A refill whose query fails: the new path and kind, no icon, the previous caption.
    shell.Failing.insert(L"C:\\User\\Tool");
    FillItemData(source, *data, true, true, L"C:\\User\\Tool");
    EXPECT_EQ(data->AbsoluteFilename, L"C:\\User\\Tool");
    EXPECT_TRUE(data->IsDir);
    EXPECT_TRUE(data->IsPersonal);
    EXPECT_EQ(data->Ii, -1);
    EXPECT_EQ(data->DisplayName, L"Tool");
    EXPECT_TRUE(data->Raised);   // never touched by filling

    auto fresh = NewItemData(source, false, L"C:\\User\\Tool", true);
    EXPECT_EQ(fresh->DisplayName, L"");
    EXPECT_EQ(fresh->Ii, -1);
}
