// What a menu build asks of Windows: folder listings, the shell's names and icons, the folder
// locations and the main thread's message queue.
#pragma once

#include "core/folder_listing.h"
#include "core/menu_builder.h"
#include "core/menu_item_data.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// FindFirstFileW / FindNextFileW over path + "\*.*".
class TFindFileLister : public core::IFolderLister {
public:
    bool List(const std::wstring& path, std::vector<core::TDirEntry>& entries) override;
};

// SHGetFileInfoW on the real file: the system icon index and the display name, as asked.
class TShellFileInfo : public core::IShellInfo {
public:
    bool GetFileInfo(const std::wstring& path, core::TShellInfoFlags flags, core::TShellFileInfo& info) override;
};

// The CSIDL of each folder a build shows.
int FolderCsidl(core::TShellFolder folder);

// The build's host on the main thread: the shared watcher event, SHGetFolderPathW, and the
// messages waiting in the queue. Watchers and the personalized view are added by later steps.
class TShellBuildHost : public core::IBuildHost {
public:
    explicit TShellBuildHost(HANDLE watcherEvent) : fWatcherEvent(watcherEvent) {}

    bool ResetWatcherEvent() override;
    bool LocateFolder(core::TShellFolder folder, std::wstring& path) override;
    void StartWatcher(core::TShellFolder folder, const std::wstring& pathField) override;
    void ProcessMessages() override;
    void PersonalizeMenu() override;
    // The view of the built menu in force, applied as the build's last step.
    std::function<void()> OnPersonalize;

private:
    HANDLE fWatcherEvent;   // owned by the main form
};
