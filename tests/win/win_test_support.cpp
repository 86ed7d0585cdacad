#include "win_test_support.h"

#include "app/version_info.h"
#include "core/settings_table.h"
#include "platform/registry.h"

#include <chrono>
#include <thread>

using namespace platform;

std::wstring TestDir() {
    wchar_t path[MAX_PATH * 4];
    DWORD length = GetModuleFileNameW(nullptr, path, std::size(path));
    std::wstring dir(path, length);
    return dir.substr(0, dir.find_last_of(L'\\') + 1);
}

bool KeyExists(const std::wstring& path) {
    UniqueHKey key;
    return RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

RawRegValue RawValue(const std::wstring& keyPath, const wchar_t* name) {
    UniqueHKey key;
    RawRegValue out;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return out;
    core::RegType type{};
    if (QueryRawValue(key.get(), name, type, out.Data)) out.Type = DWORD(type);
    else out.Data.clear();
    return out;
}

void PutValue(const std::wstring& keyPath, const wchar_t* name, DWORD type, const core::Bytes& data) {
    UniqueHKey key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(),
                        nullptr) == ERROR_SUCCESS)
        RegSetValueExW(key.get(), name, 0, type, data.data(), DWORD(data.size()));
}

namespace {
std::pair<std::wstring, std::wstring> ProgramKeys() {
    TVersionInfo info;
    ReadVersionInfo(TestDir() + L"veskara.exe", info);
    return {L"Software\\" + info.CompanyName,
            core::SettingsKeyPath(info.CompanyName, info.ProductName, info.Major, info.Minor, info.Release)};
}
}  // namespace

const std::wstring& ProgramCompanyKey() {
    static const std::wstring key = ProgramKeys().first;
    return key;
}

const std::wstring& ProgramSettingsKey() {
    static const std::wstring key = ProgramKeys().second;
    return key;
}

void DeleteKeyTree(const std::wstring& path) { RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str()); }

void SetProgramWindowsVersion(const std::wstring& version) {
    const std::wstring key = L"Software\\Wine\\AppDefaults\\veskara.exe";
    if (version.empty()) {
        DeleteKeyTree(key);
        return;
    }
    PutValue(key, L"Version", REG_SZ, core::EncodeString(version));
}

Program::~Program() {
    if (Running()) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 5000);
    }
}

Program Program::Start(const std::wstring& exe, const std::wstring& arguments) {
    Program p;
    std::wstring path = TestDir() + exe;
    std::wstring commandLine = L"\"" + path + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        CloseHandle(pi.hThread);
        p.process_.reset(pi.hProcess);
        p.id_ = pi.dwProcessId;
    }
    return p;
}

Program Program::StartCommand(const std::wstring& commandLine) {
    Program p;
    std::wstring line = commandLine;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        CloseHandle(pi.hThread);
        p.process_.reset(pi.hProcess);
        p.id_ = pi.dwProcessId;
    }
    return p;
}

bool Program::Running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool Program::WaitIdle(DWORD ms) const {
    return process_ && WaitForInputIdle(process_.get(), ms) == 0 && Running();
}

bool Program::WaitExit(DWORD ms) const {
    return process_ && WaitForSingleObject(process_.get(), ms) == WAIT_OBJECT_0;
}

namespace {
struct FindState {
    DWORD pid;
    const wchar_t* className;
    HWND found;
    bool visibleOnly;
};
BOOL CALLBACK FindWindowOf(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<FindState*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[64] = {};
    GetClassNameW(hwnd, cls, 64);
    if (pid == s->pid && lstrcmpW(cls, s->className) == 0 && (!s->visibleOnly || IsWindowVisible(hwnd))) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}
HWND FindTopLevel(DWORD pid, const wchar_t* className, bool visibleOnly = false) {
    FindState s{pid, className, nullptr, visibleOnly};
    EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&s));
    return s.found;
}
}  // namespace

HWND Program::WaitMessageBox(DWORD ms) const {
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    do {
        if (HWND box = FindTopLevel(id_, L"#32770", true)) return box;
        if (!Running()) return nullptr;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (std::chrono::steady_clock::now() < until);
    return nullptr;
}

HWND Program::MainWindow() const { return FindTopLevel(id_, L"TMainForm"); }
HWND Program::TrayWindow() const { return FindTopLevel(id_, L"TVeskTrayIcon"); }
HWND Program::PopupListWindow() const { return FindTopLevel(id_, L"TVeskPopupList"); }

HWND Program::WaitMenu(DWORD ms) const {
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    do {
        if (HWND menu = FindTopLevel(id_, L"#32768", true)) return menu;
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    } while (std::chrono::steady_clock::now() < until);
    return nullptr;
}

void Program::TrayMouse(UINT mouseMessage) const { PostMessageW(TrayWindow(), WM_USER + 1, 1, mouseMessage); }

void Program::EndSession() const {
    HWND main = MainWindow();
    DWORD_PTR result = 0;
    SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_BLOCK, 10000, &result);
    SendMessageTimeoutW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_BLOCK, 10000, &result);
}

std::wstring WindowText(HWND hwnd) {
    wchar_t text[1024] = {};
    GetWindowTextW(hwnd, text, 1024);
    return text;
}

std::wstring MessageBoxText(HWND box) {
    std::wstring found;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[32] = {};
        GetClassNameW(child, cls, 32);
        std::wstring text = WindowText(child);
        if (lstrcmpiW(cls, L"Static") == 0 && !text.empty()) found = text;
    }
    return found;
}

void PressOk(HWND box) { PostMessageW(box, WM_COMMAND, IDOK, 0); }
