#include "core/folder_listing.h"

namespace core {

std::vector<TListedEntry> ListFolder(IFolderLister& lister, const std::wstring& path, bool recurse) {
    std::vector<TDirEntry> entries;
    std::vector<TListedEntry> listed;
    lister.List(path, entries);
    listed.reserve(entries.size());
    for (const TDirEntry& e : entries) {
        if (e.Attributes & kFileAttributeHidden) continue;
        const bool isDir = (e.Attributes & kFileAttributeDirectory) != 0;
        if (isDir && (!recurse || e.Name == L"." || e.Name == L"..")) continue;
        std::wstring full;
        full.reserve(path.size() + 1 + e.Name.size());
        full.append(path).append(1, L'\\').append(e.Name);
        listed.push_back({std::move(full), isDir});
    }
    return listed;
}

}  // namespace core
