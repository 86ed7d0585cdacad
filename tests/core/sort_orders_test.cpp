#include "core/sort_orders.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "menu_fakes.h"

using namespace core;

namespace {

struct Entry { const wchar_t* name; bool isDir; const wchar_t* path; };

// Sorts records made from entries with a comparison; returns "name@path" in the resulting order.
std::vector<std::wstring> SortedBy(TRecordComparison compare, std::vector<Entry> entries) {
    fakes::FoldingCollation collation;
    std::vector<TMenuItemData> data(entries.size());
    std::vector<TSortRecord> records;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        data[i].DisplayName = entries[i].name;
        data[i].IsDir = entries[i].isDir;
        data[i].AbsoluteFilename = entries[i].path;
        records.push_back(MakeSortRecord(data[i], collation));
    }
    std::sort(records.begin(), records.end(),
              [compare](const TSortRecord& a, const TSortRecord& b) { return compare(a, b) < 0; });
    std::vector<std::wstring> out;
    for (const TSortRecord& r : records) out.push_back(r.Data->DisplayName + L"@" + r.Data->AbsoluteFilename);
    return out;
}

using Names = std::vector<std::wstring>;

}  // namespace

TEST(SortOrders, ByNameIgnoringCaseThenByFullPath) {
    EXPECT_EQ(SortedBy(CompareByName, {{L"beta", false, L"m\\3"},
                                       {L"Alpha", true, L"m\\2"},
                                       {L"alpha", false, L"m\\1"},
                                       {L"ALPHA", false, L"M\\0"}}),
              (Names{L"ALPHA@M\\0", L"alpha@m\\1", L"Alpha@m\\2", L"beta@m\\3"}));
}

TEST(SortOrders, FoldersFirstAndFilesFirstGroupThenSortByName) {
    const std::vector<Entry> entries = {
        {L"b", false, L"m\\b"}, {L"D", true, L"m\\D"}, {L"a", false, L"m\\a"}, {L"c", true, L"m\\c"},
        {L"Same", false, L"m\\z.lnk"}, {L"same", false, L"m\\y.lnk"},
    };
    EXPECT_EQ(SortedBy(CompareFoldersFirst, entries),
              (Names{L"c@m\\c", L"D@m\\D", L"a@m\\a", L"b@m\\b", L"same@m\\y.lnk", L"Same@m\\z.lnk"}));
    EXPECT_EQ(SortedBy(CompareFilesFirst, entries),
              (Names{L"a@m\\a", L"b@m\\b", L"same@m\\y.lnk", L"Same@m\\z.lnk", L"c@m\\c", L"D@m\\D"}));
}

TEST(SortOrders, MergedEntriesByDepthFilesFirstAtTheRootFoldersFirstBelow) {
    fakes::FoldingCollation collation;
    struct Case { const wchar_t* relativePath; bool isDir; };
    const Case shuffled[] = {
        {L"Apps\\Sub\\deep.lnk", false}, {L"zeta.lnk", false}, {L"Apps", true}, {L"Apps\\b.lnk", false},
        {L"Apps\\Sub", true}, {L"alpha.lnk", false}, {L"Games", true}, {L"Games\\a.lnk", false},
        {L"Apps\\Sub\\Inner", true},
    };
    std::vector<TMenuItemData> data(std::size(shuffled));
    std::vector<TMergedSortRecord> records;
    for (std::size_t i = 0; i < std::size(shuffled); ++i) {
        data[i].IsDir = shuffled[i].isDir;
        data[i].AbsoluteFilename = std::wstring(L"C:\\M\\") + shuffled[i].relativePath;
        data[i].DisplayName = std::wstring(FileNamePart(shuffled[i].relativePath));
        records.push_back({MakeSortRecord(data[i], collation), PathDepth(shuffled[i].relativePath)});
    }
    std::sort(records.begin(), records.end(), [](const TMergedSortRecord& a, const TMergedSortRecord& b) {
        return CompareMergedEntries(a, b) < 0;
    });
    Names order;
    for (const auto& r : records) order.push_back(RelativePath(r.Record.Data->AbsoluteFilename, L"C:\\M"));
    // Depth 1 mixes both folders: folders first, then files, each by name.
    EXPECT_EQ(order, (Names{L"alpha.lnk", L"zeta.lnk", L"Apps", L"Games", L"Apps\\Sub", L"Games\\a.lnk",
                            L"Apps\\b.lnk", L"Apps\\Sub\\Inner", L"Apps\\Sub\\deep.lnk"}));
}

TEST(SortOrders, RelativePathsDepthsAndParents) {
    struct Case { const wchar_t* full; const wchar_t* root; const wchar_t* relative; int depth; const wchar_t* parent; };
    const Case cases[] = {
        {L"C:\\Start\\a.lnk", L"C:\\Start", L"a.lnk", 0, L""},
        {L"C:\\Start\\Apps\\a.lnk", L"C:\\Start", L"Apps\\a.lnk", 1, L"Apps"},
        {L"C:\\Start\\Apps\\Sub\\x", L"C:\\Start", L"Apps\\Sub\\x", 2, L"Apps\\Sub"},
        {L"C:\\Start", L"C:\\Start", L"", 0, L""},
    };
    for (const Case& c : cases) {
        const std::wstring rel = RelativePath(c.full, c.root);
        EXPECT_EQ(rel, c.relative);
        EXPECT_EQ(PathDepth(rel), c.depth) << c.full;
        EXPECT_EQ(ParentRelativePath(rel), c.parent) << c.full;
    }
}
