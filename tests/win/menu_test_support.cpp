#include "menu_test_support.h"

#include <gtest/gtest.h>
#include <shlobj.h>

std::wstring ShellFolderPath(int csidl) {
    wchar_t buffer[MAX_PATH] = {};
    if (SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer) != S_OK) return {};
    return buffer;
}

namespace {

// Paths beyond MAX_PATH need the long form on Windows.
std::wstring Long(const std::wstring& path) { return L"\\\\?\\" + path; }

}  // namespace

void RemoveTree(const std::wstring& path) {
    const std::wstring longPath = Long(path);
    const DWORD attributes = GetFileAttributesW(longPath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(longPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(longPath.c_str());
        return;
    }
    WIN32_FIND_DATAW found;
    {
        platform::UniqueFindHandle find(FindFirstFileW((longPath + L"\\*").c_str(), &found));
        if (find) {
            std::vector<std::wstring> names;
            do {
                const std::wstring name = found.cFileName;
                if (name != L"." && name != L"..") names.push_back(name);
            } while (FindNextFileW(find.get(), &found));
            find.reset();
            for (const std::wstring& name : names) RemoveTree(path + L"\\" + name);
        }
    }
    RemoveDirectoryW(longPath.c_str());
}

TTestFolder::TTestFolder(std::wstring path) : fPath(std::move(path)) {
    RemoveTree(fPath);  // left over from an interrupted run
    EXPECT_TRUE(CreateDirectoryW(Long(fPath).c_str(), nullptr)) << "cannot make the test folder";
}

TTestFolder::~TTestFolder() { RemoveTree(fPath); }

namespace {

void MakeFile(const std::wstring& path, const std::string& content) {
    UniqueFile file(CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    EXPECT_TRUE(file) << "cannot make a test file";
    DWORD written = 0;
    if (file && !content.empty()) WriteFile(file.get(), content.data(), DWORD(content.size()), &written, nullptr);
}

}  // namespace

UniqueFile LockFolder(const std::wstring& path) {
    UniqueFile folder(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                  nullptr));
    EXPECT_TRUE(folder) << "cannot lock the folder";
    return folder;
}

std::wstring TTestFolder::File(const std::wstring& relative, DWORD attributes, const std::string& content) {
    const std::wstring path = PathOf(relative);
    MakeFile(path, content);
    if (attributes) SetFileAttributesW(Long(path).c_str(), attributes);
    return path;
}

std::wstring TTestFolder::Dir(const std::wstring& relative, DWORD attributes) {
    const std::wstring path = PathOf(relative);
    EXPECT_TRUE(CreateDirectoryW(Long(path).c_str(), nullptr)) << "cannot make a test folder";
    if (attributes) SetFileAttributesW(Long(path).c_str(), attributes | FILE_ATTRIBUTE_DIRECTORY);
    return path;
}

std::wstring TTestFolder::Shortcut(const std::wstring& relative, const std::wstring& target) {
    const std::wstring path = PathOf(relative);
    platform::ComPtr<IShellLinkW> link;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put_void());
    EXPECT_TRUE(SUCCEEDED(hr)) << "no shell link object";
    if (FAILED(hr)) return path;
    link->SetPath(target.c_str());
    platform::ComPtr<IPersistFile> file;
    hr = link->QueryInterface(IID_IPersistFile, file.put_void());
    EXPECT_TRUE(SUCCEEDED(hr) && SUCCEEDED(file->Save(path.c_str(), TRUE))) << "cannot save a shortcut";
    return path;
}

TTestFile::TTestFile(std::wstring path, const std::string& content) : fPath(std::move(path)) {
    RemoveTree(fPath);
    MakeFile(fPath, content);
}

TTestFile::~TTestFile() { RemoveTree(fPath); }

TFolderAside::TFolderAside(std::wstring path) : fPath(std::move(path)), fAside(fPath + L".vesk-aside") {
    if (GetFileAttributesW(fAside.c_str()) != INVALID_FILE_ATTRIBUTES) {
        // An interrupted run left it aside: the real one is the one aside.
        RemoveTree(fPath);
        MoveFileW(fAside.c_str(), fPath.c_str());
    }
    EXPECT_TRUE(MoveFileW(fPath.c_str(), fAside.c_str())) << "cannot move the folder aside";
}

TFolderAside::~TFolderAside() {
    RemoveTree(fPath);
    MoveFileW(fAside.c_str(), fPath.c_str());
}

bool THookedLister::List(const std::wstring& path, std::vector<core::TDirEntry>& entries) {
    const bool listed = fInner.List(path, entries);
    if (AfterList) AfterList(path);
    return listed;
}

bool THookedShell::GetFileInfo(const std::wstring& path, core::TShellInfoFlags flags, core::TShellFileInfo& info) {
    ++Calls;
    if (BeforeQuery) BeforeQuery(path);
    return fInner.GetFileInfo(path, flags, info);
}

TTestBuild::TTestBuild()
    : Event(CreateEventW(nullptr, TRUE, TRUE, nullptr)), Host(Event.get()),
      Builder(Root, Lister, Shell, Collation, Host) {
    Form = core::AddFormItems(Root, {}, {});
    Builder.Settings.EmptyCaption = L"(Empty)";
}

void TTestBuild::Build(const core::TStartMenuView& view, bool genericIcons, bool trueNames) {
    Builder.ClearMenu();
    Builder.Settings.View = view;
    Builder.Settings.GenericIcons = genericIcons;
    Builder.Settings.TrueNames = trueNames;
    Builder.BuildMenu(OldStyleStack, Stack);
}

std::vector<core::TMenuItem*> TopLevelItems(const core::TMenuItem& root, const std::wstring& caption) {
    std::vector<core::TMenuItem*> found;
    for (int i = 0; i < root.Count() - core::kTopLevelReserve; ++i)
        if (_wcsicmp(root[i].Caption.c_str(), caption.c_str()) == 0) found.push_back(&root[i]);
    return found;
}

core::TMenuItem* ChildItem(const core::TMenuItem& parent, const std::wstring& caption) {
    for (int i = 0; i < parent.Count(); ++i)
        if (parent[i].Caption == caption) return &parent[i];
    return nullptr;
}

std::wstring Outline(const core::TMenuItem& parent, bool withOrigin) {
    std::wstring out;
    for (int i = 0; i < parent.Count(); ++i) {
        const core::TMenuItem& item = parent[i];
        if (i > 0) out += L'|';
        if (core::IsExpansionItem(item)) {
            out += L">>";
        } else if (core::IsEmptyPlaceholder(item)) {
            out += item.Enabled ? L"?" : L"-";
        } else {
            if (withOrigin && item.Data) out += item.Data->IsPersonal ? L"p:" : L"c:";
            out += item.Caption;
        }
        if (item.Count() > 0) out += L"[" + Outline(item, withOrigin) + L"]";
    }
    return out;
}

TDialogWatch::TDialogWatch() {
    fThread = std::thread([this] {
        while (!fStop) {
            struct TFound {
                TDialogWatch* Watch;
            } found{this};
            EnumWindows(
                [](HWND hwnd, LPARAM param) -> BOOL {
                    auto* watch = reinterpret_cast<TFound*>(param)->Watch;
                    DWORD process = 0;
                    GetWindowThreadProcessId(hwnd, &process);
                    wchar_t className[32] = {};
                    GetClassNameW(hwnd, className, 32);
                    if (process != GetCurrentProcessId() || wcscmp(className, L"#32770") != 0 || !IsWindowVisible(hwnd))
                        return TRUE;
                    wchar_t title[256] = {};
                    GetWindowTextW(hwnd, title, 256);
                    {
                        std::lock_guard<std::mutex> lock(watch->fLock);
                        watch->fSeen.push_back(title);
                    }
                    PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
                    PostMessageW(hwnd, WM_CLOSE, 0, 0);
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&found));
            Sleep(20);
        }
    });
}

TDialogWatch::~TDialogWatch() {
    fStop = true;
    fThread.join();
}

std::vector<std::wstring> TDialogWatch::Seen() {
    std::lock_guard<std::mutex> lock(fLock);
    return fSeen;
}
