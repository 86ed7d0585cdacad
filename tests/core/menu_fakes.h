// In-memory stand-ins for the folder listing, the shell, the locale comparison and the main form,
// and a compact text outline of a menu tree for assertions.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/folder_listing.h"
#include "core/menu_builder.h"
#include "core/menu_item.h"
#include "core/menu_item_data.h"
#include "core/name_collation.h"

namespace core {
struct TDrawItemArgs {};
struct TMeasureItemArgs {};
}  // namespace core

namespace fakes {

using namespace core;

// Case-insensitive for ASCII letters; keys are the folded code units, big-endian, three bytes each.
class FoldingCollation : public INameCollation {
public:
    int Compare(const std::wstring& a, const std::wstring& b) const override {
        const int c = SortKey(a).compare(SortKey(b));
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    TSortKey SortKey(const std::wstring& text) const override {
        TSortKey key;
        key.reserve(text.size() * 3);
        for (wchar_t ch : text) {
            auto u = static_cast<std::uint32_t>(ch);
            if (u >= L'A' && u <= L'Z') u += 32;
            key.push_back(static_cast<char>((u >> 16) & 0xFF));
            key.push_back(static_cast<char>((u >> 8) & 0xFF));
            key.push_back(static_cast<char>(u & 0xFF));
        }
        return key;
    }
};

// Folders and their entries in listing order. Adding an entry to a folder that was never added
// as a folder makes it listable too (handy for roots).
class FakeDisk : public IFolderLister {
public:
    void Dir(const std::wstring& path, std::uint32_t attributes = 0) {
        fFolders[path];
        AddToParent(path, attributes | kFileAttributeDirectory);
    }
    void File(const std::wstring& path, std::uint32_t attributes = 0) { AddToParent(path, attributes); }
    void Root(const std::wstring& path) { fFolders[path]; }
    void Raw(const std::wstring& folder, TDirEntry entry) { fFolders[folder].push_back(std::move(entry)); }
    void Unreadable(const std::wstring& path) { fFolders.erase(path); }

    bool List(const std::wstring& path, std::vector<TDirEntry>& entries) override {
        ++Lists;
        auto it = fFolders.find(path);
        if (it == fFolders.end()) return false;
        entries = it->second;
        return true;
    }
    int Lists = 0;

private:
    void AddToParent(const std::wstring& path, std::uint32_t attributes) {
        const auto pos = path.rfind(L'\\');
        if (pos == std::wstring::npos) return;
        fFolders[path.substr(0, pos)].push_back({path.substr(pos + 1), attributes});
    }
    std::map<std::wstring, std::vector<TDirEntry>> fFolders;
};

// Display name: the file name without its extension; icon: a number per path. Names can be set,
// paths can be made to fail; every call is recorded.
class FakeShell : public IShellInfo {
public:
    bool GetFileInfo(const std::wstring& path, TShellInfoFlags flags, TShellFileInfo& info) override {
        Calls.emplace_back(path, flags);
        if (Failing.count(path)) return false;
        auto named = Names.find(path);
        if (named != Names.end()) {
            info.DisplayName = named->second;
        } else {
            std::wstring name(FileNamePart(path));
            const auto dot = name.rfind(L'.');
            info.DisplayName = dot == std::wstring::npos || dot == 0 ? name : name.substr(0, dot);
        }
        auto [it, added] = Icons.try_emplace(path, static_cast<int>(Icons.size()) + 100);
        info.IconIndex = it->second;
        return true;
    }
    std::vector<std::pair<std::wstring, TShellInfoFlags>> Calls;
    std::map<std::wstring, std::wstring> Names;
    std::map<std::wstring, int> Icons;
    std::set<std::wstring> Failing;
};

class FakeHost : public IBuildHost {
public:
    bool ResetWatcherEvent() override { return ResetSucceeds; }
    bool LocateFolder(TShellFolder folder, std::wstring& path) override {
        auto it = Folders.find(folder);
        if (it == Folders.end()) return false;
        path = it->second;
        return true;
    }
    void StartWatcher(TShellFolder folder, const std::wstring& pathField) override {
        Watchers.emplace_back(folder, &pathField);
    }
    void ProcessMessages() override { ++MessagePasses; }
    void PersonalizeMenu() override { ++Personalized; }

    bool ResetSucceeds = true;
    std::map<TShellFolder, std::wstring> Folders;
    std::vector<std::pair<TShellFolder, const std::wstring*>> Watchers;
    int MessagePasses = 0;
    int Personalized = 0;
};

// One level as "a|b|Folder[x|y|>>]": folders with their children in brackets, ">>" for an
// expansion item, "-" for the disabled placeholder; withOrigin prefixes "c:" or "p:" to data items.
inline std::wstring Outline(const TMenuItem& parent, int reserve, bool withOrigin = false) {
    std::wstring out;
    for (int i = 0; i < parent.Count() - reserve; ++i) {
        const TMenuItem& item = parent[i];
        if (!out.empty()) out += L'|';
        if (IsExpansionItem(item)) {
            out += L">>";
        } else if (IsEmptyPlaceholder(item)) {
            out += item.Enabled ? L"?" : L"-";
        } else {
            if (withOrigin && item.Data) out += item.Data->IsPersonal ? L"p:" : L"c:";
            out += item.Caption;
        }
        if (item.Count() > 0) out += L"[" + Outline(item, 0, withOrigin) + L"]";
    }
    return out;
}

}  // namespace fakes
