#include "menu/shell_sources.h"

#include "platform/application.h"
#include "platform/unique_handle.h"

#include <shellapi.h>
#include <shlobj.h>

bool TFindFileLister::List(const std::wstring& path, std::vector<core::TDirEntry>& entries) {
    entries.clear();
    const std::wstring pattern = path + L"\\*.*";
    WIN32_FIND_DATAW found;
    platform::UniqueFindHandle find(FindFirstFileW(pattern.c_str(), &found));
    if (!find) return false;
    do {
        // A full path that does not fit in MAX_PATH is of no use: the shell can neither describe
        // nor open it (Wine lets such names exist; Windows does not list them).
        if (path.size() + 1 + wcslen(found.cFileName) >= MAX_PATH) continue;
        entries.push_back({found.cFileName, found.dwFileAttributes});
    } while (FindNextFileW(find.get(), &found));
    return true;
}

bool TShellFileInfo::GetFileInfo(const std::wstring& path, core::TShellInfoFlags flags,
                                 core::TShellFileInfo& info) {
    UINT shellFlags = 0;
    if (flags & core::kShellIconIndex) shellFlags |= SHGFI_SYSICONINDEX;
    if (flags & core::kShellDisplayName) shellFlags |= SHGFI_DISPLAYNAME;
    SHFILEINFOW found{};
    // No attributes are given, so the shell looks at the real file.
    if (!SHGetFileInfoW(path.c_str(), 0, &found, sizeof found, shellFlags)) return false;
    info.IconIndex = found.iIcon;
    info.DisplayName.assign(found.szDisplayName, wcsnlen(found.szDisplayName, std::size(found.szDisplayName)));
    return true;
}

int FolderCsidl(core::TShellFolder folder) {
    switch (folder) {
    case core::TShellFolder::CommonStartMenu: return CSIDL_COMMON_STARTMENU;
    case core::TShellFolder::StartMenu: return CSIDL_STARTMENU;
    case core::TShellFolder::Favorites: return CSIDL_FAVORITES;
    case core::TShellFolder::Recent: return CSIDL_RECENT;
    }
    return -1;
}

bool TShellBuildHost::ResetWatcherEvent() { return fWatcherEvent && ResetEvent(fWatcherEvent); }

bool TShellBuildHost::LocateFolder(core::TShellFolder folder, std::wstring& path) {
    wchar_t buffer[MAX_PATH] = {};
    // S_FALSE: a known folder that does not exist, as good as not located.
    if (SHGetFolderPathW(nullptr, FolderCsidl(folder), nullptr, SHGFP_TYPE_CURRENT, buffer) != S_OK) return false;
    path = buffer;
    return !path.empty();
}

// Change watching comes with the watcher threads.
void TShellBuildHost::StartWatcher(core::TShellFolder, const std::wstring&) {}

void TShellBuildHost::ProcessMessages() { platform::Application.ProcessMessages(); }

// The view in force is the main form's to decide.
void TShellBuildHost::PersonalizeMenu() {
    if (OnPersonalize) OnPersonalize();
}
