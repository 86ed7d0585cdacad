// How the menu build scales: merged Start Menus of 1,000, 2,000 and 4,000 entries, generated in a
// temporary folder, built with the program's own sources and compared with a baseline that only
// lists the same folders and asks the shell once per entry, with the same flags.
//
// A common and a personal tree share about half of their relative paths; each has two or three
// folder levels of a few dozen entries, with files at every level.
#include "core/menu_builder.h"
#include "core/menu_tree.h"
#include "menu/shell_sources.h"
#include "platform/name_collation.h"
#include "platform/unique_handle.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

struct FileHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
using UniqueFile = platform::UniqueHandle<HANDLE, FileHandleTraits>;

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    std::vector<std::wstring> names;
    {
        platform::UniqueFindHandle find(FindFirstFileW((path + L"\\*").c_str(), &found));
        if (!find) {
            DeleteFileW(path.c_str());
            return;
        }
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") names.push_back(name);
        } while (FindNextFileW(find.get(), &found));
    }
    for (const std::wstring& name : names) RemoveTree(path + L"\\" + name);
    RemoveDirectoryW(path.c_str());
}

// Which sides an entry of the shared layout exists on.
enum class Side { Both, Common, Personal };

// The relative paths of one layout: root files, then groups of files and subfolders with files.
// About 3/4 of the target count are distinct paths; half of them are on both sides, a quarter on
// each side only, so the two trees together hold about the target count of entries.
struct TEntry {
    std::wstring RelativePath;
    bool IsDir;
    Side Where;
};

std::vector<TEntry> Layout(int target) {
    std::vector<TEntry> entries;
    int made = 0;
    auto side = [&made] {
        const int k = made++ % 4;
        return k < 2 ? Side::Both : k == 2 ? Side::Common : Side::Personal;
    };
    // Entries on both sides count twice, the others once.
    int onDisk = 0;
    auto add = [&](std::wstring path, bool isDir, Side where) {
        entries.push_back({std::move(path), isDir, where});
        onDisk += where == Side::Both ? 2 : 1;
    };
    for (int i = 0; i < 8; ++i) add(L"Root tool " + std::to_wstring(i) + L".txt", false, side());
    for (int g = 0; onDisk < target; ++g) {
        const std::wstring group = L"Group " + std::to_wstring(g);
        add(group, true, Side::Both);
        for (int i = 0; i < 20 && onDisk < target; ++i)
            add(group + L"\\Program " + std::to_wstring(i) + L".txt", false, side());
        for (int s = 0; s < 3 && onDisk < target; ++s) {
            const std::wstring sub = group + L"\\Tools " + std::to_wstring(s);
            add(sub, true, Side::Both);
            for (int i = 0; i < 24 && onDisk < target; ++i)
                add(sub + L"\\Helper " + std::to_wstring(i) + L".txt", false, side());
        }
    }
    return entries;
}

// Writes the layout into root\common and root\personal; returns the number of entries on disk.
int Generate(const std::wstring& root, const std::vector<TEntry>& layout) {
    const std::wstring sides[] = {root + L"\\common", root + L"\\personal"};
    CreateDirectoryW(root.c_str(), nullptr);
    for (const std::wstring& s : sides) CreateDirectoryW(s.c_str(), nullptr);
    int count = 0;
    for (const TEntry& e : layout) {
        for (int s = 0; s < 2; ++s) {
            if (e.Where == (s == 0 ? Side::Personal : Side::Common)) continue;
            const std::wstring path = sides[s] + L"\\" + e.RelativePath;
            if (e.IsDir) {
                CreateDirectoryW(path.c_str(), nullptr);
            } else {
                UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
            }
            ++count;
        }
    }
    return count;
}

// The baseline: the listing rule and one shell query per entry, nothing else.
int ListAndAsk(const std::wstring& path, UINT flags) {
    int entries = 0;
    WIN32_FIND_DATAW found;
    std::vector<std::wstring> folders;
    {
        platform::UniqueFindHandle find(FindFirstFileW((path + L"\\*.*").c_str(), &found));
        if (!find) return 0;
        do {
            if (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) continue;
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring full = path + L"\\" + name;
            SHFILEINFOW info{};
            SHGetFileInfoW(full.c_str(), 0, &info, sizeof info, flags);
            ++entries;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) folders.push_back(full);
        } while (FindNextFileW(find.get(), &found));
    }
    for (const std::wstring& f : folders) entries += ListAndAsk(f, flags);
    return entries;
}

// The program's host, with the Start Menus in the generated folders and the special folders in
// an empty one.
class TBenchHost : public TShellBuildHost {
public:
    TBenchHost(HANDLE event, std::wstring root, std::wstring empty)
        : TShellBuildHost(event), fRoot(std::move(root)), fEmpty(std::move(empty)) {}
    bool LocateFolder(core::TShellFolder folder, std::wstring& path) override {
        switch (folder) {
        case core::TShellFolder::CommonStartMenu: path = fRoot + L"\\common"; break;
        case core::TShellFolder::StartMenu: path = fRoot + L"\\personal"; break;
        default: path = fEmpty; break;
        }
        return true;
    }

private:
    std::wstring fRoot, fEmpty;
};

struct TRun {
    int Entries = 0;
    double Build = 0;      // seconds, the better of the repeats
    double Baseline = 0;
    int MenuItems = 0;
};

int CountItems(const core::TMenuItem& item) {
    int n = item.Count();
    for (int i = 0; i < item.Count(); ++i) n += CountItems(item[i]);
    return n;
}

TRun Measure(const std::wstring& root, const std::wstring& empty, int repeats) {
    TRun run;
    platform::TUserLocaleCollation collation;
    platform::UniqueKernelHandle event(CreateEventW(nullptr, TRUE, TRUE, nullptr));
    TFindFileLister lister;
    TShellFileInfo shell;
    TBenchHost host(event.get(), root, empty);
    core::TMenuItem menu;
    core::AddFormItems(menu, {}, {});
    core::TMenuBuilder builder(menu, lister, shell, collation, host);
    core::TMenuItemStack oldStyleStack(collation), stack(collation);
    const UINT flags = SHGFI_SYSICONINDEX | SHGFI_DISPLAYNAME;

    run.Build = run.Baseline = 1e300;
    for (int r = 0; r < repeats; ++r) {
        // Alternate which goes first, so neither gets the warmer caches every time.
        for (int half = 0; half < 2; ++half) {
            if ((half == 0) == (r % 2 == 0)) {
                const auto start = Clock::now();
                run.Entries = ListAndAsk(root + L"\\common", flags) + ListAndAsk(root + L"\\personal", flags);
                run.Baseline = std::min(run.Baseline, Seconds(Clock::now() - start));
            } else {
                builder.ClearMenu();
                const auto start = Clock::now();
                builder.BuildMenu(oldStyleStack, stack);
                run.Build = std::min(run.Build, Seconds(Clock::now() - start));
                run.MenuItems = CountItems(menu);
            }
        }
    }
    return run;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int repeats = argc > 1 ? std::max(1, _wtoi(argv[1])) : 2;
    CoInitialize(nullptr);
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring base = std::wstring(temp) + L"veskara-menu-bench";
    RemoveTree(base);
    CreateDirectoryW(base.c_str(), nullptr);
    const std::wstring empty = base + L"\\empty";
    CreateDirectoryW(empty.c_str(), nullptr);

    std::printf("Merged menu build against listing plus one SHGetFileInfoW per entry (best of %d)\n", repeats);
    std::printf("%8s %10s %10s %12s %12s %8s\n", "entries", "items", "build s", "baseline s", "build/entry", "ratio");
    {
        // The first shell queries of a process load and cache what later ones reuse.
        const std::wstring warm = base + L"\\warm-up";
        Generate(warm, Layout(200));
        Measure(warm, empty, 1);
    }
    std::vector<TRun> runs;
    for (int target : {1000, 2000, 4000}) {
        const std::wstring root = base + L"\\" + std::to_wstring(target);
        Generate(root, Layout(target));
        const TRun run = Measure(root, empty, repeats);
        runs.push_back(run);
        std::printf("%8d %10d %10.3f %12.3f %9.3f ms %8.2f\n", run.Entries, run.MenuItems, run.Build, run.Baseline,
                    run.Build * 1000 / run.Entries, run.Build / run.Baseline);
        std::fflush(stdout);
    }
    const TRun& r2 = runs[1];
    const TRun& r4 = runs[2];
    std::printf("growth of the build from %d to %d entries: %.2fx (baseline %.2fx)\n", r2.Entries, r4.Entries,
                r4.Build / r2.Build, r4.Baseline / r2.Baseline);
    std::printf("build against baseline at %d entries: %.2fx (aim: at most 1.3x; growth at most 2.2x)\n", r4.Entries,
                r4.Build / r4.Baseline);
    RemoveTree(base);
    CoUninitialize();
    return 0;
}
