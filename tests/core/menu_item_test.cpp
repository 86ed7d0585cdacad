#include "core/menu_item.h"

#include <gtest/gtest.h>

#include "menu_fakes.h"

using namespace core;

namespace {
std::unique_ptr<TMenuItem> Named(const wchar_t* caption) {
    auto item = std::make_unique<TMenuItem>();
    item->Caption = caption;
    return item;
}

std::wstring Captions(const TMenuItem& parent) {
    std::wstring s;
    for (int i = 0; i < parent.Count(); ++i) {
        EXPECT_EQ(parent[i].MenuIndex(), i);
        EXPECT_EQ(parent[i].Parent(), &parent);
        EXPECT_EQ(parent.IndexOf(&parent[i]), i);
        s += parent[i].Caption;
    }
    return s;
}
}  // namespace

TEST(MenuItem, IndexesAndParentsFollowInsertsAndDeletes) {
    TMenuItem root;
    root.Add(Named(L"a"));
    root.Add(Named(L"d"));
    root.Insert(1, Named(L"c"));
    root.Insert(1, Named(L"b"));
    root.Insert(0, Named(L"0"));
    EXPECT_EQ(Captions(root), L"0abcd");

    root.Delete(2);
    std::unique_ptr<TMenuItem> c = root.Extract(2);
    EXPECT_EQ(Captions(root), L"0ad");
    EXPECT_EQ(c->Parent(), nullptr);
    EXPECT_EQ(c->MenuIndex(), -1);
    EXPECT_EQ(root.IndexOf(c.get()), -1);

    // An extracted item can go elsewhere, with its subtree.
    c->Add(Named(L"x"));
    TMenuItem& moved = root[0].Add(std::move(c));
    EXPECT_EQ(moved.Parent(), &root[0]);
    EXPECT_EQ(Captions(moved), L"x");

    root.Clear();
    EXPECT_EQ(root.Count(), 0);
}

TEST(MenuItem, RejectsBadIndexes) {
    TMenuItem a, b;
    TMenuItem& child = a.Add(Named(L"x"));
    EXPECT_THROW(a.Insert(3, Named(L"y")), std::out_of_range);
    EXPECT_THROW(a.Insert(-1, Named(L"y")), std::out_of_range);
    EXPECT_THROW(a.Extract(1), std::out_of_range);
    EXPECT_EQ(a.Count(), 1);
    EXPECT_EQ(b.IndexOf(&child), -1);
}

TEST(MenuItem, IdentitiesAreNeverReused) {
    TMenuItem root;
    TMenuItemId first = root.Add(Named(L"a")).Id();
    root.Delete(0);
    TMenuItemId second = root.Add(Named(L"a")).Id();
    EXPECT_NE(first, 0u);
    EXPECT_GT(second, first);
    EXPECT_NE(root.Id(), second);
}

TEST(MenuItem, DefaultsOfANewItem) {
    TMenuItem item;
    EXPECT_TRUE(item.Visible);
    EXPECT_TRUE(item.Enabled);
    EXPECT_FALSE(item.Default);
    EXPECT_EQ(item.Break, TMenuBreak::None);
    EXPECT_EQ(item.ImageIndex, -1);
    EXPECT_EQ(item.Tag, 0);
    EXPECT_EQ(item.Data, nullptr);
    EXPECT_EQ(item.Parent(), nullptr);
}

TEST(MenuItem, ALargeLevelFilledInFrontOfTheReserveKeepsItsIndexes) {
    TMenuItem root;
    for (int i = 0; i < 6; ++i) root.Add(Named(L"form"));
    const int n = 20000;
    for (int i = 0; i < n; ++i) {
        auto item = std::make_unique<TMenuItem>();
        item->Tag = i;
        root.Insert(root.Count() - 6, std::move(item));
    }
    ASSERT_EQ(root.Count(), n + 6);
    for (int i = 0; i < n; i += 997) {
        EXPECT_EQ(root[i].Tag, i);
        EXPECT_EQ(root[i].MenuIndex(), i);
    }
    EXPECT_EQ(root[n + 5].MenuIndex(), n + 5);
}
