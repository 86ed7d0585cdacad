// Building the dynamic part of the popup menu from the four shell folders: the Start Menu folders
// (merged or one after the other), Favorites and Recent (shown as Documents).
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/folder_listing.h"
#include "core/menu_item.h"
#include "core/menu_item_data.h"
#include "core/menu_tree.h"
#include "core/name_collation.h"
#include "core/sort_orders.h"
#include "core/usage_stack.h"
#include "core/valid_file_list.h"

namespace core {

enum class TShellFolder {
    CommonStartMenu,   // CSIDL_COMMON_STARTMENU
    StartMenu,         // CSIDL_STARTMENU
    Favorites,         // CSIDL_FAVORITES
    Recent,            // CSIDL_RECENT
};

// What a build needs from the main form and Windows besides listing and the shell.
class IBuildHost {
public:
    virtual ~IBuildHost() = default;
    // ResetEvent of the shared watcher event; watchers start in this build only when it succeeds.
    virtual bool ResetWatcherEvent() = 0;
    // SHGetFolderPathW; false when the folder cannot be located.
    virtual bool LocateFolder(TShellFolder folder, std::wstring& path) = 0;
    // Starts the watcher of one folder tree. pathField lives as long as the builder and does not
    // change until the next build, which comes only after the watchers are stopped.
    virtual void StartWatcher(TShellFolder folder, const std::wstring& pathField) = 0;
    // Processes the messages waiting in the main thread's queue (once per record filled).
    virtual void ProcessMessages() = 0;
    // The last step of a build: promotion flags, the view in force and the column breaks.
    virtual void PersonalizeMenu() = 0;
};

struct TBuildSettings {
    TStartMenuView View;
    bool GenericIcons = false;          // FGenericIcons
    bool TrueNames = false;             // FTrueNames
    std::wstring EmptyCaption = L"(Empty)";   // the Win32 side puts string 65214 here
};

class TMenuBuilder {
public:
    TMenuBuilder(TMenuItem& root, IFolderLister& lister, IShellInfo& shell, const INameCollation& collation,
                 IBuildHost& host);

    TBuildSettings Settings;
    TItemHandlers Handlers;

    // The located folders; each keeps its last value when locating fails.
    std::wstring FCommonStartMenu;
    std::wstring FStartMenu;
    std::wstring FFavirites;
    std::wstring FRecent;
    // The Favorites and Documents folder items of the last build, nullptr when not available.
    TMenuItem* FFavorites = nullptr;
    TMenuItem* FDocuments = nullptr;

    // Builds into a tree that holds only the six form items (ClearMenu ran, or the first build).
    // Fits the stack in force and ends with the host's PersonalizeMenu.
    void BuildMenu(TMenuItemStack& oldStyleStack, TMenuItemStack& stack);
    // ClearMenu over the root; also forgets the Favorites and Documents items it frees.
    void ClearMenu();

    // The steps, usable one by one. Files entered go to ValidFiles().
    void ScanFolder(const std::wstring& path, bool recurse, TRecordComparison compare, int reserve,
                    TMenuItem& parent, bool isPersonal);
    void ScanStartMenu(TShellFolder folder, std::wstring& pathField, bool isPersonal);
    TMenuItem* AddSpecialFolder(TShellFolder folder, std::wstring& pathField, bool recurse);
    // Both Start Menus as one tree: an entry in both (same relative path, compared as names are)
    // shows once, as the personal one. A personal file never takes over a folder of the same
    // relative path; it is shown beside the folder instead (see CollectPersonal).
    void ScanMerged();
    void AddExpansionItems(TMenuItem& parent, int reserve);

    const TValidFileList& ValidFiles() const { return fValidFiles; }

private:
    struct TMergedEntry {
        std::wstring RelativePath;
        std::unique_ptr<TMenuItemData> Data;
    };
    struct TMergedScan {
        std::vector<TMergedEntry> Entries;
        // First entry of each relative path: the lookup of a personal entry in the list.
        std::unordered_map<TSortKey, std::size_t> EntryByPath;
        // Folder items already in the tree, by relative path.
        std::unordered_map<TSortKey, std::vector<TMenuItem*>> FolderByPath;
    };

    std::unique_ptr<TMenuItemData> NewData(bool isDir, const std::wstring& path, bool isPersonal);
    void StartWatcher(TShellFolder folder, const std::wstring& pathField);
    void CollectCommon(const std::wstring& path);
    void CollectPersonal(const std::wstring& path);
    void AddMergedEntry(std::wstring relativePath, TSortKey key, std::unique_ptr<TMenuItemData> data,
                        bool findable);
    TMenuItem* FindFolderItem(const std::wstring& relativePath) const;
    void AddEmptyItemsDeepestFirst(TMenuItem& parent, int reserve);

    TMenuItem& fRoot;
    IFolderLister& fLister;
    const INameCollation& fCollation;
    IBuildHost& fHost;
    TItemDataSource fSource;
    TValidFileList fValidFiles;
    bool fMayStartWatchers = false;
    TMergedScan* fMerged = nullptr;   // only while ScanMerged runs
};

}  // namespace core
