// Helpers for the menu build tests: real folders made in the shell's folders and removed again,
// a build of the menu without the main form, and a watch for message boxes.
#pragma once

#include "core/menu_builder.h"
#include "core/menu_tree.h"
#include "menu/shell_sources.h"
#include "platform/name_collation.h"
#include "platform/unique_handle.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

std::wstring ShellFolderPath(int csidl);

// A file handle, INVALID_HANDLE_VALUE when none.
struct FileHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
using UniqueFile = platform::UniqueHandle<HANDLE, FileHandleTraits>;

// Opens a folder without sharing it: listing it then fails, as it does without access rights.
UniqueFile LockFolder(const std::wstring& path);

// Removes a file or a folder with everything below it, whatever their attributes.
void RemoveTree(const std::wstring& path);

// A folder made for one test and removed with its contents at the end. Paths given to File and
// Dir are relative to it; attributes are set after the entry is made.
class TTestFolder {
public:
    explicit TTestFolder(std::wstring path);
    ~TTestFolder();
    TTestFolder(const TTestFolder&) = delete;
    TTestFolder& operator=(const TTestFolder&) = delete;

    const std::wstring& Path() const { return fPath; }
    std::wstring PathOf(const std::wstring& relative) const { return fPath + L"\\" + relative; }
    std::wstring File(const std::wstring& relative, DWORD attributes = 0, const std::string& content = {});
    std::wstring Dir(const std::wstring& relative, DWORD attributes = 0);
    // A shortcut to the given program.
    std::wstring Shortcut(const std::wstring& relative, const std::wstring& target);

private:
    std::wstring fPath;
};

// A file made for one test and removed at the end.
class TTestFile {
public:
    explicit TTestFile(std::wstring path, const std::string& content = {});
    ~TTestFile();
    TTestFile(const TTestFile&) = delete;
    TTestFile& operator=(const TTestFile&) = delete;

private:
    std::wstring fPath;
};

// Moves a folder aside for one test (it then does not exist) and puts it back at the end.
class TFolderAside {
public:
    explicit TFolderAside(std::wstring path);
    ~TFolderAside();
    TFolderAside(const TFolderAside&) = delete;
    TFolderAside& operator=(const TFolderAside&) = delete;

private:
    std::wstring fPath, fAside;
};

// Passes listings through, with a hook after each one.
class THookedLister : public core::IFolderLister {
public:
    bool List(const std::wstring& path, std::vector<core::TDirEntry>& entries) override;
    std::function<void(const std::wstring& path)> AfterList;

private:
    TFindFileLister fInner;
};

// Passes shell queries through, counting them, with a hook before each one.
class THookedShell : public core::IShellInfo {
public:
    bool GetFileInfo(const std::wstring& path, core::TShellInfoFlags flags, core::TShellFileInfo& info) override;
    std::function<void(const std::wstring& path)> BeforeQuery;
    int Calls = 0;

private:
    TShellFileInfo fInner;
};

// The real host, except that the folders named in Missing cannot be located.
class TTestHost : public TShellBuildHost {
public:
    explicit TTestHost(HANDLE event) : TShellBuildHost(event) {}
    bool LocateFolder(core::TShellFolder folder, std::wstring& path) override {
        return !Missing.count(folder) && TShellBuildHost::LocateFolder(folder, path);
    }
    std::set<core::TShellFolder> Missing;
};

// A menu built by the Win32 sources into a root that holds the six form items.
struct TTestBuild {
    TTestBuild();
    void Build(const core::TStartMenuView& view, bool genericIcons = false, bool trueNames = false);

    platform::TUserLocaleCollation Collation;
    core::TMenuItemStack OldStyleStack{Collation};
    core::TMenuItemStack Stack{Collation};
    platform::UniqueKernelHandle Event;
    core::TMenuItem Root;
    core::TFormMenuItems Form;
    THookedLister Lister;
    THookedShell Shell;
    TTestHost Host;
    core::TMenuBuilder Builder;
};

// The top-level items whose caption is caption (ignoring case), in menu order.
std::vector<core::TMenuItem*> TopLevelItems(const core::TMenuItem& root, const std::wstring& caption);
core::TMenuItem* ChildItem(const core::TMenuItem& parent, const std::wstring& caption);

// One level as "a|b|Folder[x|>>]": ">>" an expansion item, "-" the disabled placeholder;
// withOrigin puts "c:" or "p:" before data items.
std::wstring Outline(const core::TMenuItem& parent, bool withOrigin = false);

// Watches for message boxes (and any other dialog) of this process while it lives, closing each
// one it finds so that a test cannot hang on it.
class TDialogWatch {
public:
    TDialogWatch();
    ~TDialogWatch();
    TDialogWatch(const TDialogWatch&) = delete;
    TDialogWatch& operator=(const TDialogWatch&) = delete;
    // The texts of the boxes seen so far (title: text).
    std::vector<std::wstring> Seen();

private:
    std::atomic<bool> fStop{false};
    std::thread fThread;
    std::vector<std::wstring> fSeen;
    std::mutex fLock;
};
