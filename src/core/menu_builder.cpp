#include "core/menu_builder.h"

#include <algorithm>

namespace core {

namespace {

// Index of each item on the way from the top level down to item.
std::vector<int> IndexPath(const TMenuItem* item) {
    std::vector<int> path;
    for (; item && item->Parent(); item = item->Parent()) path.push_back(item->MenuIndex());
    std::reverse(path.begin(), path.end());
    return path;
}

// Pre-order: an ancestor before its descendants, siblings by index.
bool ComesFirstInPreOrder(const TMenuItem* a, const TMenuItem* b) {
    return IndexPath(a) < IndexPath(b);
}

class TScopeExit {
public:
    explicit TScopeExit(std::function<void()> f) : fF(std::move(f)) {}
    ~TScopeExit() { fF(); }
    TScopeExit(const TScopeExit&) = delete;
    TScopeExit& operator=(const TScopeExit&) = delete;

private:
    std::function<void()> fF;
};

}  // namespace

TMenuBuilder::TMenuBuilder(TMenuItem& root, IFolderLister& lister, IShellInfo& shell,
                           const INameCollation& collation, IBuildHost& host)
    : fRoot(root), fLister(lister), fCollation(collation), fHost(host), fValidFiles(collation) {
    fSource.Shell = &shell;
    fSource.ProcessMessages = [this] { fHost.ProcessMessages(); };
}

std::unique_ptr<TMenuItemData> TMenuBuilder::NewData(bool isDir, const std::wstring& path, bool isPersonal) {
    fSource.GenericIcons = Settings.GenericIcons;
    fSource.TrueNames = Settings.TrueNames;
    return NewItemData(fSource, isDir, path, isPersonal);
}

void TMenuBuilder::StartWatcher(TShellFolder folder, const std::wstring& pathField) {
    if (fMayStartWatchers) fHost.StartWatcher(folder, pathField);
}

void TMenuBuilder::ScanFolder(const std::wstring& path, bool recurse, TRecordComparison compare, int reserve,
                              TMenuItem& parent, bool isPersonal) {
    struct TPending {
        std::unique_ptr<TMenuItemData> Data;
        TSortRecord Keys;
    };
    std::vector<TPending> records;
    for (const TListedEntry& e : ListFolder(fLister, path, recurse)) {
        records.push_back({NewData(e.IsDir, e.FullPath, isPersonal), {}});
        if (!e.IsDir) fValidFiles.Add(e.FullPath);
    }
    for (TPending& r : records) r.Keys = MakeSortRecord(*r.Data, fCollation);
    std::stable_sort(records.begin(), records.end(),
                     [compare](const TPending& a, const TPending& b) { return compare(a.Keys, b.Keys) < 0; });

    for (TPending& r : records) {
        const bool isDir = r.Data->IsDir;
        TMenuItem& item = InsertDataItem(parent, reserve, std::move(r.Data), Handlers);
        if (isDir) {
            // Below the first level a scan always recurses and always lists folders first.
            ScanFolder(item.Data->AbsoluteFilename, true, CompareFoldersFirst, 0, item, isPersonal);
            AddEmptyItem(item, Settings.EmptyCaption, Handlers);
        }
    }
}

void TMenuBuilder::ScanStartMenu(TShellFolder folder, std::wstring& pathField, bool isPersonal) {
    std::wstring path;
    if (!fHost.LocateFolder(folder, path)) return;
    pathField = path;
    // The root's entries become top-level items; the root itself has no item.
    ScanFolder(pathField, true, CompareFilesFirst, kTopLevelReserve, fRoot, isPersonal);
    StartWatcher(folder, pathField);
}

TMenuItem* TMenuBuilder::AddSpecialFolder(TShellFolder folder, std::wstring& pathField, bool recurse) {
    std::wstring path;
    if (!fHost.LocateFolder(folder, path)) return nullptr;
    auto item = std::make_unique<TMenuItem>(Handlers.Owner);
    pathField = path;
    std::unique_ptr<TMenuItemData> data = NewData(true, pathField, true);
    ScanFolder(pathField, recurse, CompareFoldersFirst, 0, *item, true);
    AddEmptyItem(*item, Settings.EmptyCaption, Handlers);
    item->Caption = data->DisplayName;
    item->ImageIndex = data->Ii;
    item->Data = std::move(data);
    TMenuItem& ref = fRoot.Insert(fRoot.Count() - kTopLevelReserve, std::move(item));
    ref.OnClick = Handlers.FolderClick;
    ref.OnDrawItem = Handlers.DrawItem;
    ref.OnMeasureItem = Handlers.MeasureItem;
    StartWatcher(folder, pathField);
    return &ref;
}

void TMenuBuilder::AddMergedEntry(std::wstring relativePath, TSortKey key, std::unique_ptr<TMenuItemData> data,
                                  bool findable) {
    TMergedScan& scan = *fMerged;
    // Lookups find the first entry of a relative path, as a search from the front of the list would.
    if (findable) scan.EntryByPath.try_emplace(std::move(key), scan.Entries.size());
    scan.Entries.push_back({std::move(relativePath), std::move(data)});
}

void TMenuBuilder::CollectCommon(const std::wstring& path) {
    for (const TListedEntry& e : ListFolder(fLister, path, true)) {
        std::wstring relativePath = RelativePath(e.FullPath, FCommonStartMenu);
        TSortKey key = fCollation.SortKey(relativePath);
        AddMergedEntry(std::move(relativePath), std::move(key), NewData(e.IsDir, e.FullPath, false), true);
        if (e.IsDir) {
            CollectCommon(e.FullPath);
        } else {
            fValidFiles.Add(e.FullPath);
        }
    }
}

void TMenuBuilder::CollectPersonal(const std::wstring& path) {
    TMergedScan& scan = *fMerged;
    for (const TListedEntry& e : ListFolder(fLister, path, true)) {
        std::wstring relativePath = RelativePath(e.FullPath, FStartMenu);
        TSortKey key = fCollation.SortKey(relativePath);
        const auto found = scan.EntryByPath.find(key);
        if (found == scan.EntryByPath.end()) {
            AddMergedEntry(std::move(relativePath), std::move(key), NewData(e.IsDir, e.FullPath, true), true);
        } else if (!e.IsDir && scan.Entries[found->second].Data->IsDir) {
            // A file never takes over a folder of the same relative path: the folder would become a
            // file item with a submenu, launched and opened at once. The folder keeps its record and
            // its contents; the file gets an item of its own beside it, so neither side is lost.
            AddMergedEntry(std::move(relativePath), std::move(key), NewData(false, e.FullPath, true), false);
        } else {
            // One item for both sides: the personal entry takes over path, name, icon and kind.
            FillItemData(fSource, *scan.Entries[found->second].Data, e.IsDir, true, e.FullPath);
        }
        if (e.IsDir) {
            CollectPersonal(e.FullPath);
        } else {
            fValidFiles.Add(e.FullPath);
        }
    }
}

TMenuItem* TMenuBuilder::FindFolderItem(const std::wstring& relativePath) const {
    // Only folder items are candidates (see CollectPersonal); among folders of the same relative
    // path the first in a depth-first, pre-order walk of the tree wins.
    const auto found = fMerged->FolderByPath.find(fCollation.SortKey(relativePath));
    if (found == fMerged->FolderByPath.end()) return nullptr;
    const std::vector<TMenuItem*>& candidates = found->second;
    return *std::min_element(candidates.begin(), candidates.end(), ComesFirstInPreOrder);
}

void TMenuBuilder::AddEmptyItemsDeepestFirst(TMenuItem& parent, int reserve) {
    for (int i = 0; i < parent.Count() - reserve; ++i) {
        TMenuItem& item = parent[i];
        if (!CarriesFolder(item)) continue;
        AddEmptyItemsDeepestFirst(item, 0);
        AddEmptyItem(item, Settings.EmptyCaption, Handlers);
    }
}

void TMenuBuilder::ScanMerged() {
    TMergedScan scan;
    fMerged = &scan;
    TScopeExit done([this] { fMerged = nullptr; });

    std::wstring path;
    if (fHost.LocateFolder(TShellFolder::CommonStartMenu, path)) {
        FCommonStartMenu = path;
        CollectCommon(FCommonStartMenu);
        StartWatcher(TShellFolder::CommonStartMenu, FCommonStartMenu);
    }
    if (fHost.LocateFolder(TShellFolder::StartMenu, path)) {
        FStartMenu = path;
        CollectPersonal(FStartMenu);
        StartWatcher(TShellFolder::StartMenu, FStartMenu);
    }

    struct TOrdered {
        std::size_t Index;
        TMergedSortRecord Keys;
    };
    std::vector<TOrdered> order;
    order.reserve(scan.Entries.size());
    for (std::size_t i = 0; i < scan.Entries.size(); ++i) {
        TMergedEntry& e = scan.Entries[i];
        order.push_back({i, {MakeSortRecord(*e.Data, fCollation), PathDepth(e.RelativePath)}});
    }
    std::stable_sort(order.begin(), order.end(), [](const TOrdered& a, const TOrdered& b) {
        return CompareMergedEntries(a.Keys, b.Keys) < 0;
    });

    // Shallower entries come first, so every folder is in the tree before anything inside it.
    for (const TOrdered& o : order) {
        TMergedEntry& e = scan.Entries[o.Index];
        const std::wstring_view parentPath = ParentRelativePath(e.RelativePath);
        TMenuItem* parent = &fRoot;
        int reserve = kTopLevelReserve;
        if (!parentPath.empty()) {
            parent = FindFolderItem(std::wstring(parentPath));
            reserve = 0;
            if (!parent) continue;   // no folder to hold it; the record goes with the entry list
        }
        const bool isDir = e.Data->IsDir;
        TMenuItem& item = InsertDataItem(*parent, reserve, std::move(e.Data), Handlers);
        if (isDir) {
            const std::wstring& root = item.Data->IsPersonal ? FStartMenu : FCommonStartMenu;
            scan.FolderByPath[fCollation.SortKey(RelativePath(item.Data->AbsoluteFilename, root))].push_back(&item);
        }
    }

    AddEmptyItemsDeepestFirst(fRoot, kTopLevelReserve);
}

void TMenuBuilder::AddExpansionItems(TMenuItem& parent, int reserve) {
    const int end = parent.Count() - reserve;
    for (int i = 0; i < end; ++i) {
        TMenuItem& item = parent[i];
        if (!CarriesFolder(item)) continue;
        AddExpansionItems(item, 0);
        const bool onlyPlaceholder = item.Count() == 1 && !CarriesData(item[0]) && item[0].Tag == 0;
        if (!onlyPlaceholder) AppendExpansionItem(item, Handlers);
    }
}

void TMenuBuilder::ClearMenu() {
    FFavorites = nullptr;
    FDocuments = nullptr;
    core::ClearMenu(fRoot);
}

void TMenuBuilder::BuildMenu(TMenuItemStack& oldStyleStack, TMenuItemStack& stack) {
    FFavorites = nullptr;
    FDocuments = nullptr;
    fMayStartWatchers = fHost.ResetWatcherEvent();
    fValidFiles.Clear();
    TScopeExit freeValidFiles([this] { fValidFiles.Clear(); });

    if (Settings.View.Separate()) {
        if (!Settings.View.HideCommon) ScanStartMenu(TShellFolder::CommonStartMenu, FCommonStartMenu, false);
        if (!Settings.View.HidePersonal) ScanStartMenu(TShellFolder::StartMenu, FStartMenu, true);
    } else {
        ScanMerged();
    }
    FFavorites = AddSpecialFolder(TShellFolder::Favorites, FFavirites, true);
    FDocuments = AddSpecialFolder(TShellFolder::Recent, FRecent, false);
    AddExpansionItems(fRoot, kTopLevelReserve);
    FitUsageStack(AppropStack(Settings.View, oldStyleStack, stack), fValidFiles, fRoot);
    fHost.PersonalizeMenu();
}

}  // namespace core
