#include "core/sort_orders.h"

#include <algorithm>

namespace core {

namespace {
int CompareKeys(const TSortKey& a, const TSortKey& b) {
    const int c = a.compare(b);   // char_traits<char> compares as unsigned bytes
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}
}  // namespace

TSortRecord MakeSortRecord(TMenuItemData& data, const INameCollation& collation) {
    return {&data, collation.SortKey(data.DisplayName), collation.SortKey(data.AbsoluteFilename)};
}

int CompareByName(const TSortRecord& a, const TSortRecord& b) {
    const int c = CompareKeys(a.NameKey, b.NameKey);
    return c != 0 ? c : CompareKeys(a.PathKey, b.PathKey);
}

int CompareFoldersFirst(const TSortRecord& a, const TSortRecord& b) {
    if (a.Data->IsDir != b.Data->IsDir) return a.Data->IsDir ? -1 : 1;
    return CompareByName(a, b);
}

int CompareFilesFirst(const TSortRecord& a, const TSortRecord& b) {
    if (a.Data->IsDir != b.Data->IsDir) return a.Data->IsDir ? 1 : -1;
    return CompareByName(a, b);
}

int PathDepth(std::wstring_view relativePath) {
    return static_cast<int>(std::count(relativePath.begin(), relativePath.end(), L'\\'));
}

std::wstring RelativePath(std::wstring_view fullPath, std::wstring_view root) {
    if (fullPath.size() <= root.size() + 1) return {};
    return std::wstring(fullPath.substr(root.size() + 1));
}

std::wstring_view ParentRelativePath(std::wstring_view relativePath) {
    const auto pos = relativePath.rfind(L'\\');
    return pos == std::wstring_view::npos ? std::wstring_view{} : relativePath.substr(0, pos);
}

int CompareMergedEntries(const TMergedSortRecord& a, const TMergedSortRecord& b) {
    if (a.Depth == 0 && b.Depth == 0) return CompareFilesFirst(a.Record, b.Record);
    if (a.Depth != b.Depth) return a.Depth - b.Depth;
    return CompareFoldersFirst(a.Record, b.Record);
}

}  // namespace core
