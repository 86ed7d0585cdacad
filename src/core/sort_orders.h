// The orders of menu entries. Names are compared through their sort keys (a byte comparison that
// agrees with the locale comparison), computed once per entry instead of once per comparison.
#pragma once

#include <string>
#include <string_view>

#include "core/menu_item_data.h"
#include "core/name_collation.h"

namespace core {

// A record with the sort keys of its display name and full path.
struct TSortRecord {
    TMenuItemData* Data = nullptr;
    TSortKey NameKey;
    TSortKey PathKey;
};

TSortRecord MakeSortRecord(TMenuItemData& data, const INameCollation& collation);

// Each returns a negative, zero or positive number.
// By display name; equal names by full path, so the order within one listing is total.
int CompareByName(const TSortRecord& a, const TSortRecord& b);
int CompareFoldersFirst(const TSortRecord& a, const TSortRecord& b);
int CompareFilesFirst(const TSortRecord& a, const TSortRecord& b);
using TRecordComparison = int (*)(const TSortRecord&, const TSortRecord&);

// The number of backslashes in a relative path.
int PathDepth(std::wstring_view relativePath);

// fullPath without root and the one backslash after it ("" when fullPath is not longer).
std::wstring RelativePath(std::wstring_view fullPath, std::wstring_view root);

// The relative path of the folder holding an entry: everything before its last backslash.
std::wstring_view ParentRelativePath(std::wstring_view relativePath);

// Merged entries: both at the roots, files first; else the shallower first; else folders first.
struct TMergedSortRecord {
    TSortRecord Record;
    int Depth = 0;
};
int CompareMergedEntries(const TMergedSortRecord& a, const TMergedSortRecord& b);

}  // namespace core
