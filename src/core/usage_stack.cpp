#include "core/usage_stack.h"

#include "core/menu_tree.h"

namespace core {

void TMenuItemStack::Load(const std::vector<std::wstring>& entries) {
    fStringList.clear();
    fKeyCounts.clear();
    for (const std::wstring& name : entries) {
        TSortKey key = fCollation->SortKey(name);
        ++fKeyCounts[key];
        fStringList.push_back({name, std::move(key)});
    }
}

std::vector<std::wstring> TMenuItemStack::Entries() const {
    std::vector<std::wstring> names;
    names.reserve(fStringList.size());
    for (const TEntry& e : fStringList) names.push_back(e.Name);
    return names;
}

void TMenuItemStack::Forget(const TSortKey& key) {
    auto it = fKeyCounts.find(key);
    if (it != fKeyCounts.end() && --it->second == 0) fKeyCounts.erase(it);
}

void TMenuItemStack::SetCount(int n) {
    fCount = n;
    while (!fStringList.empty() && static_cast<long long>(fStringList.size()) > n) {
        Forget(fStringList.back().Key);
        fStringList.pop_back();
    }
}

void TMenuItemStack::SpecifyValidFilenames(const TValidFileList& filenames) {
    std::deque<TEntry> kept;
    for (TEntry& e : fStringList) {
        if (filenames.ContainsKey(e.Key)) {
            kept.push_back(std::move(e));
        } else {
            Forget(e.Key);
        }
    }
    fStringList = std::move(kept);
}

void TMenuItemStack::Push(const std::wstring& absoluteFilename) {
    TSortKey key = fCollation->SortKey(absoluteFilename);
    ++fKeyCounts[key];
    fStringList.push_front({absoluteFilename, std::move(key)});
    if (static_cast<long long>(fStringList.size()) > fCount) {
        Forget(fStringList.back().Key);
        fStringList.pop_back();
    }
}

bool TMenuItemStack::Contains(const std::wstring& absoluteFilename) const {
    return fKeyCounts.count(fCollation->SortKey(absoluteFilename)) != 0;
}

void TMenuItemStack::ResetUsageData() {
    fStringList.clear();
    fKeyCounts.clear();
}

TMenuItemStack& AppropStack(const TStartMenuView& view, TMenuItemStack& oldStyleStack, TMenuItemStack& stack) {
    return view.Separate() ? oldStyleStack : stack;
}

int CountFileItems(const TMenuItem& root, int reserve) {
    int n = 0;
    for (int i = 0; i < root.Count() - reserve; ++i) {
        const TMenuItem& item = root[i];
        if (CarriesFile(item)) ++n;
        n += CountFileItems(item, 0);
    }
    return n;
}

void FitUsageStack(TMenuItemStack& stack, const TValidFileList& valid, const TMenuItem& root) {
    stack.SpecifyValidFilenames(valid);
    stack.SetCount(CountFileItems(root, kTopLevelReserve));
}

}  // namespace core
