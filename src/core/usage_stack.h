// Usage stacks: the files launched from the menu, most recent first, kept across runs.
#pragma once

#include <deque>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/menu_item.h"
#include "core/name_collation.h"
#include "core/valid_file_list.h"

namespace core {

class TMenuItemStack {
public:
    explicit TMenuItemStack(const INameCollation& collation) : fCollation(&collation) {}

    // Replaces the entries with those read from the registry value (most recent first); the
    // capacity is left alone.
    void Load(const std::vector<std::wstring>& entries);
    // The entries in list order, as the registry value stores them.
    std::vector<std::wstring> Entries() const;

    // The capacity ("Count :="): entries beyond the first n are dropped.
    void SetCount(int n);
    int Capacity() const { return fCount; }
    bool Pushed() const { return !fStringList.empty(); }
    int Size() const { return static_cast<int>(fStringList.size()); }

    // Drops every entry that is not in filenames; the rest keep their order.
    void SpecifyValidFilenames(const TValidFileList& filenames);
    // At the front, repeats allowed; then one entry goes from the end when over capacity.
    void Push(const std::wstring& absoluteFilename);
    bool Contains(const std::wstring& absoluteFilename) const;
    // Empties the list; the capacity stays.
    void ResetUsageData();

private:
    struct TEntry {
        std::wstring Name;
        TSortKey Key;
    };
    void Forget(const TSortKey& key);

    const INameCollation* fCollation;
    int fCount = 0;
    std::deque<TEntry> fStringList;
    // How many entries have each key: Contains is asked for every file item of the menu.
    std::unordered_map<TSortKey, int> fKeyCounts;
};

// Which view of the Start Menu folders is in force.
struct TStartMenuView {
    bool HideCommon = false;     // FHideCommon
    bool HidePersonal = false;   // FHidePersonal
    bool SeparateApps = false;   // FSeparateApps
    // Shown separately (or one side hidden) rather than merged.
    bool Separate() const { return HideCommon || HidePersonal || SeparateApps; }
};

// FOldStyleStack ("MenuUsage") for the separate view, FStack ("MergedMenuUsage") for the merged one.
TMenuItemStack& AppropStack(const TStartMenuView& view, TMenuItemStack& oldStyleStack, TMenuItemStack& stack);

// File items of the whole built tree (the six form items of the top level are left out).
int CountFileItems(const TMenuItem& root, int reserve);

// The last build steps over the stack in force: drop what the build did not enter into the menu,
// then keep as many entries as the menu has file items.
void FitUsageStack(TMenuItemStack& stack, const TValidFileList& valid, const TMenuItem& root);

}  // namespace core
