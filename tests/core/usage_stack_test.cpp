#include "core/usage_stack.h"

#include <gtest/gtest.h>

#include "menu_fakes.h"

using namespace core;

namespace {
using Names = std::vector<std::wstring>;

struct StackTest : ::testing::Test {
    fakes::FoldingCollation collation;
    TMenuItemStack stack{collation};
    TValidFileList Valid(const Names& paths) {
        TValidFileList list(collation);
        for (const auto& p : paths) list.Add(p);
        return list;
    }
};
}  // namespace

TEST_F(StackTest, PushesRepeatNamesAndDropOneEntryFromTheEndWhenFull) {
    struct Case { int capacity; Names before; const wchar_t* pushed; Names after; };
    const Case cases[] = {
        {0, {}, L"a", {}},                                   // no capacity: stays empty
        {3, {}, L"a", {L"a"}},
        {3, {L"a", L"b"}, L"a", {L"a", L"a", L"b"}},         // a repeat is a second copy, in front
        {3, {L"A", L"b"}, L"a", {L"a", L"A", L"b"}},         // also in another letter case
        {2, {L"a", L"b"}, L"c", {L"c", L"a"}},
        // Loaded before any build (capacity 0): a push keeps the size, newest in front.
        {0, {L"a", L"b", L"c"}, L"d", {L"d", L"a", L"b"}},
    };
    for (const Case& c : cases) {
        stack.SetCount(c.capacity);
        stack.Load(c.before);   // loading does not trim
        stack.Push(c.pushed);
        EXPECT_EQ(stack.Entries(), c.after) << c.pushed << " onto " << c.before.size();
        EXPECT_EQ(stack.Pushed(), !c.after.empty());
    }
}

TEST_F(StackTest, CountTrimsFromTheEnd) {
    struct Case { int count; Names after; };
    const Case cases[] = {
        {5, {L"a", L"b", L"a", L"c"}},
        {4, {L"a", L"b", L"a", L"c"}},
        {2, {L"a", L"b"}},
        {0, {}},
    };
    for (const Case& c : cases) {
        stack.Load({L"a", L"b", L"a", L"c"});
        stack.SetCount(c.count);
        EXPECT_EQ(stack.Entries(), c.after) << c.count;
        EXPECT_EQ(stack.Capacity(), c.count);
    }
}

TEST_F(StackTest, ContainsIgnoresCaseAndForgetsWhatLeftTheStack) {
    stack.SetCount(2);
    stack.Push(L"C:\\M\\a.lnk");
    stack.Push(L"C:\\M\\a.lnk");
    stack.Push(L"C:\\M\\b.lnk");   // one copy of a is pushed out, one stays
    EXPECT_TRUE(stack.Contains(L"c:\\m\\A.LNK"));
    EXPECT_TRUE(stack.Contains(L"C:\\M\\b.lnk"));
    stack.Push(L"C:\\M\\c.lnk");   // the last copy of a goes
    EXPECT_FALSE(stack.Contains(L"C:\\M\\a.lnk"));
    stack.SpecifyValidFilenames(Valid({L"C:\\M\\c.lnk"}));
    EXPECT_FALSE(stack.Contains(L"C:\\M\\b.lnk"));
    EXPECT_TRUE(stack.Contains(L"C:\\M\\C.lnk"));
    stack.ResetUsageData();
    EXPECT_FALSE(stack.Contains(L"C:\\M\\c.lnk"));
    EXPECT_FALSE(stack.Pushed());
    EXPECT_EQ(stack.Capacity(), 2);   // a reset keeps the capacity
}

TEST_F(StackTest, SpecifyValidFilenamesKeepsTheOrderOfWhatRemains) {
    stack.Load({L"C:\\x", L"C:\\gone", L"C:\\Y", L"c:\\x", L"C:\\other"});
    stack.SpecifyValidFilenames(Valid({L"C:\\y", L"C:\\X", L"C:\\unused"}));
    EXPECT_EQ(stack.Entries(), (Names{L"C:\\x", L"C:\\Y", L"c:\\x"}));
    stack.SpecifyValidFilenames(Valid({}));
    EXPECT_FALSE(stack.Pushed());
}

TEST_F(StackTest, AFileStaysPromotedUntilPushedOutByAsManyLaunchesAsTheMenuHasFiles) {
    const int n = 4;   // file items in the menu
    stack.SetCount(n);
    stack.Push(L"C:\\once.lnk");
    for (int i = 1; i < n; ++i) stack.Push(L"C:\\other" + std::to_wstring(i % 2) + L".lnk");
    EXPECT_TRUE(stack.Contains(L"C:\\once.lnk"));   // after n - 1 further launches
    stack.Push(L"C:\\other0.lnk");
    EXPECT_FALSE(stack.Contains(L"C:\\once.lnk"));  // and no longer after n
}

TEST_F(StackTest, LoadAndEntriesRoundTripAsTheRegistryValueHoldsThem) {
    const Names stored = {L"C:\\b.lnk", L"C:\\a.lnk", L"C:\\b.lnk"};
    stack.Load(stored);
    EXPECT_EQ(stack.Entries(), stored);
    EXPECT_EQ(stack.Capacity(), 0);
    stack.Load({});
    EXPECT_FALSE(stack.Pushed());
}

TEST_F(StackTest, AppropStackFollowsTheView) {
    TMenuItemStack oldStyle(collation), merged(collation);
    for (int bits = 0; bits < 8; ++bits) {
        const TStartMenuView view{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0};
        EXPECT_EQ(&AppropStack(view, oldStyle, merged), bits == 0 ? &merged : &oldStyle) << bits;
    }
}

TEST(CountFileItems, CountsFilesAtEveryLevelAndLeavesTheReserveAlone) {
    TMenuItem root;
    auto add = [](TMenuItem& parent, int at, bool isDir) -> TMenuItem& {
        auto item = std::make_unique<TMenuItem>();
        item->Data = std::make_unique<TMenuItemData>();
        item->Data->IsDir = isDir;
        return parent.Insert(at, std::move(item));
    };
    for (int i = 0; i < 6; ++i) root.Add(std::make_unique<TMenuItem>());
    add(root, 6, false);                         // ends up among the last six: not counted
    add(root, 0, false);
    TMenuItem& folder = add(root, 1, true);
    add(folder, 0, false);
    TMenuItem& inner = add(folder, 1, true);
    add(inner, 0, false);
    add(inner, 1, false);
    folder.Add(std::make_unique<TMenuItem>());   // an expansion item
    EXPECT_EQ(CountFileItems(root, 6), 4);
    EXPECT_EQ(CountFileItems(folder, 0), 3);
}
