// Listing one folder: which directory entries become menu entries.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace core {

// File attribute bits, with the numbers Windows gives them.
inline constexpr std::uint32_t kFileAttributeHidden = 0x2;
inline constexpr std::uint32_t kFileAttributeSystem = 0x4;
inline constexpr std::uint32_t kFileAttributeDirectory = 0x10;

struct TDirEntry {
    std::wstring Name;           // as the listing returns it
    std::uint32_t Attributes = 0;
};

// FindFirstFileW / FindNextFileW over path + "\*.*", in the order the file system returns them.
class IFolderLister {
public:
    virtual ~IFolderLister() = default;
    // False when the folder cannot be listed at all; entries read before a later failure count.
    virtual bool List(const std::wstring& path, std::vector<TDirEntry>& entries) = 0;
};

struct TListedEntry {
    std::wstring FullPath;       // path, a backslash and the entry's name
    bool IsDir = false;
};

// Hidden entries are skipped whatever else they are (a hidden folder is never entered), "." and
// ".." are skipped, folders are skipped unless recursing, everything else is a file. A folder
// that cannot be listed contributes nothing.
std::vector<TListedEntry> ListFolder(IFolderLister& lister, const std::wstring& path, bool recurse);

}  // namespace core
