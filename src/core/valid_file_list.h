// The full path of every file entered into the menu during one build, looked up by name key.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "core/name_collation.h"

namespace core {

class TValidFileList {
public:
    explicit TValidFileList(const INameCollation& collation) : fCollation(&collation) {}

    void Add(const std::wstring& path);
    // Equal to some added path without regard to case, in the user's locale.
    bool Contains(const std::wstring& path) const { return ContainsKey(fCollation->SortKey(path)); }
    bool ContainsKey(const TSortKey& key) const { return fKeys.count(key) != 0; }
    const std::vector<std::wstring>& Paths() const { return fPaths; }
    void Clear();

private:
    const INameCollation* fCollation;
    std::vector<std::wstring> fPaths;
    std::unordered_set<TSortKey> fKeys;
};

}  // namespace core
