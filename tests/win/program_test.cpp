// The running program driven from outside as the shell and the user would: the tray icon's
// notifications, the popup menu's keys, the About window, and what reaches the registry.
#include "app/error_report.h"
#include "core/registry_codec.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

#include <shellapi.h>
#include <shlobj.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace {

core::Bytes Dword(int v) { return core::EncodeInteger(v); }

std::wstring PersonalStartMenu() {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_STARTMENU, nullptr, 0, path);
    return path;
}

bool WaitFor(const std::function<bool()>& condition, DWORD ms = 5000) {
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
    return true;
}

// A file of the given name in the temporary folder, removed first.
std::wstring FreshTempFile(const wchar_t* name) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring path = std::wstring(temp) + name;
    DeleteFileW(path.c_str());
    return path;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteKeyTree(ProgramCompanyKey());
        SetProgramWindowsVersion(L"");
    }
    void TearDown() override {
        for (const auto& file : created) DeleteFileW(file.c_str());
        DeleteKeyTree(ProgramCompanyKey());
    }
    Program StartAndWait(const std::wstring& exe = L"veskara.exe", const std::wstring& args = L"") {
        Program p = Program::Start(exe, args);
        EXPECT_TRUE(p.WaitIdle());
        EXPECT_TRUE(p.TrayWindow());
        return p;
    }
    // A script in the personal Start Menu; it leaves a mark file when it runs.
    std::wstring AddScript(const std::wstring& name, const std::wstring& mark) {
        std::wstring path = PersonalStartMenu() + L"\\" + name;
        std::ofstream(path.c_str()) << "@echo off\r\necho ran> \"" << std::string(mark.begin(), mark.end()) << "\"\r\n";
        created.push_back(path);
        created.push_back(mark);
        return path;
    }
    // The first menu build may still run when the program first waits for input, and a click
    // during a build opens nothing: click as a user would until the menu opens.
    HWND OpenMenu(const Program& p, UINT mouseMessage = WM_RBUTTONUP) {
        for (int attempt = 0; attempt < 20; ++attempt) {
            p.TrayMouse(mouseMessage);
            if (HWND menu = p.WaitMenu(1000)) return menu;
        }
        return nullptr;
    }
    void CloseMenu(const Program& p) {
        PostMessageW(p.PopupListWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_TRUE(WaitFor([&] { return p.WaitMenu(0) == nullptr; }));
    }
    std::vector<std::wstring> Usage(const wchar_t* name) {
        RawRegValue v = RawValue(ProgramSettingsKey(), name);
        return core::DecodeStringList(core::RegType(v.Type), v.Data);
    }
    std::vector<std::wstring> created;
};

}  // namespace

TEST_F(ProgramTest, TheConfiguredButtonOpensTheMenuAtTheCursor) {
    Program p = StartAndWait();
    ASSERT_TRUE(SetCursorPos(400, 300));
    ASSERT_NE(OpenMenu(p), nullptr);
    CloseMenu(p);
    p.TrayMouse(WM_LBUTTONUP);
    EXPECT_EQ(p.WaitMenu(700), nullptr) << "the left button does nothing by default";
    p.TrayMouse(WM_RBUTTONDBLCLK);
    p.TrayMouse(WM_MBUTTONDBLCLK);
    EXPECT_EQ(p.WaitMenu(700), nullptr);
    p.TrayMouse(WM_RBUTTONUP);
    HWND menu = p.WaitMenu();
    ASSERT_NE(menu, nullptr);
    RECT r;
    GetWindowRect(menu, &r);
    EXPECT_EQ(r.left, 400);
    EXPECT_EQ(r.top, 300);
    CloseMenu(p);
    p.EndSession();
    EXPECT_TRUE(p.WaitExit());
}

TEST_F(ProgramTest, WithTheLeftButtonConfiguredARightClickDoesNothing) {
    PutValue(ProgramSettingsKey(), L"MouseButton", REG_DWORD, Dword(0));
    Program p = StartAndWait();
    ASSERT_NE(OpenMenu(p, WM_LBUTTONUP), nullptr);
    CloseMenu(p);
    p.TrayMouse(WM_RBUTTONUP);
    EXPECT_EQ(p.WaitMenu(700), nullptr);
    p.EndSession();
    EXPECT_TRUE(p.WaitExit());
}

TEST_F(ProgramTest, TheIconComesBackWhenTheTaskbarIsCreatedAgain) {
    Program p = StartAndWait();
    auto iconExists = [&] {
        NOTIFYICONDATAW nid{};
        nid.cbSize = sizeof nid;
        nid.hWnd = p.TrayWindow();
        nid.uID = 1;
        return Shell_NotifyIconW(NIM_MODIFY, &nid) != FALSE;  // changes nothing; fails without the icon
    };
    ASSERT_TRUE(iconExists());
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = p.TrayWindow();
    nid.uID = 1;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &nid));  // as a restarted taskbar has lost it
    ASSERT_FALSE(iconExists());
    SendMessageW(p.TrayWindow(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(iconExists());
    p.EndSession();
    EXPECT_TRUE(p.WaitExit());
}

TEST_F(ProgramTest, ChoosingAFileStartsItAndAMissingOneShowsOneBoxBothArePushed) {
    const std::wstring mark = FreshTempFile(L"veskara-qmark.txt");
    const std::wstring script = AddScript(L"Qmark.cmd", mark);
    const std::wstring gone = AddScript(L"Zgone.cmd", FreshTempFile(L"veskara-zgone.txt"));

    Program p = StartAndWait();
    ASSERT_NE(OpenMenu(p), nullptr);
    PostMessageW(p.PopupListWindow(), WM_CHAR, L'q', 0);  // its first letter chooses it
    EXPECT_TRUE(WaitFor([&] { return FileExists(mark); }, 15000)) << "the script ran";

    DeleteFileW(gone.c_str());  // disappears after the menu was built
    ASSERT_TRUE(WaitFor([&] { return p.WaitMenu(0) == nullptr; }));
    ASSERT_NE(OpenMenu(p), nullptr);
    PostMessageW(p.PopupListWindow(), WM_CHAR, L'z', 0);
    HWND box = p.WaitMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), LastErrorText(ERROR_FILE_NOT_FOUND));
    PressOk(box);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    EXPECT_EQ(p.WaitMessageBox(700), nullptr) << "exactly one box";

    p.EndSession();
    ASSERT_TRUE(p.WaitExit());
    EXPECT_EQ(Usage(L"MergedMenuUsage"), (std::vector<std::wstring>{gone, script}));
    EXPECT_TRUE(Usage(L"MenuUsage").empty());
}

TEST_F(ProgramTest, ExitFromTheMenuIsAnOrderlyEnd) {
    Program p = StartAndWait();
    ASSERT_NE(OpenMenu(p), nullptr);
    PostMessageW(p.PopupListWindow(), WM_CHAR, L'e', 0);
    ASSERT_TRUE(p.WaitExit());
    EXPECT_EQ(RawValue(ProgramSettingsKey(), L"LargeColumnSize"), (RawRegValue{REG_DWORD, Dword(20)}));
    EXPECT_EQ(RawValue(ProgramSettingsKey(), L"MergedMenuUsage").Type, DWORD(REG_MULTI_SZ));
}

TEST_F(ProgramTest, AboutWindowKeepsItsPlaceAndHidesOnEnterAndAltF4) {
    PutValue(ProgramSettingsKey(), L"Left", REG_DWORD, Dword(100));
    PutValue(ProgramSettingsKey(), L"Top", REG_DWORD, Dword(200));
    {
        Program p = StartAndWait();
        HWND main = p.MainWindow();
        EXPECT_FALSE(IsWindowVisible(main)) << "hidden at start by default";
        p.TrayMouse(WM_LBUTTONDBLCLK);
        ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
        RECT r;
        GetWindowRect(main, &r);
        EXPECT_EQ(r.left, 100);
        EXPECT_EQ(r.top, 200);
        EXPECT_EQ(WindowText(main), L"About Veskara");

        PostMessageW(main, WM_KEYDOWN, VK_RETURN, 0);
        EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(main); })) << "Enter presses OK, which hides";
        p.TrayMouse(WM_LBUTTONDBLCLK);
        ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
        PostMessageW(main, WM_SYSKEYDOWN, VK_F4, 1 << 29);
        EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(main); })) << "Alt+F4 hides";
        EXPECT_TRUE(p.Running());

        SetWindowPos(main, nullptr, 300, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        p.EndSession();
        ASSERT_TRUE(p.WaitExit());
    }
    EXPECT_EQ(RawValue(ProgramSettingsKey(), L"Left").Data, Dword(300));
    EXPECT_EQ(RawValue(ProgramSettingsKey(), L"Top").Data, Dword(250));
    Program again = StartAndWait();
    again.TrayMouse(WM_LBUTTONDBLCLK);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(again.MainWindow()) != FALSE; }));
    RECT r;
    GetWindowRect(again.MainWindow(), &r);
    EXPECT_EQ(r.left, 300);
    EXPECT_EQ(r.top, 250);
    again.EndSession();
    EXPECT_TRUE(again.WaitExit());
}

TEST_F(ProgramTest, CommandStatesFollowTheAboutWindowAndAMissingRunDialog) {
    const std::wstring states = FreshTempFile(L"veskara-states.txt");
    created.push_back(states);
    auto read = [&] {
        std::wifstream f(states.c_str());
        std::wstring s;
        std::getline(f, s);
        return s;
    };
    const std::wstring library = TestDir() + L"fixtures\\no_run_dialog.dll";
    Program p = StartAndWait(L"veskara_host.exe", L"--shell-library=\"" + library + L"\" --states=\"" + states + L"\"");
    EXPECT_TRUE(WaitFor([&] { return read() == L"S1B1A1D1R0"; })) << read();
    p.TrayMouse(WM_LBUTTONDBLCLK);  // shows the About window
    EXPECT_TRUE(WaitFor([&] { return read() == L"S1B1A0D0R0"; })) << read();
    PostMessageW(p.MainWindow(), WM_COMMAND, MAKEWPARAM(101, BN_CLICKED), 0);  // the Settings button
    EXPECT_TRUE(WaitFor([&] { return read() == L"S0B0A0D0R0"; })) << read();
    HWND settings = nullptr;
    EXPECT_TRUE(WaitFor([&] {
        settings = FindWindowW(L"TSettingsForm", nullptr);
        return settings && IsWindowVisible(settings);
    }));
    PostMessageW(settings, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return read() == L"S1B1A0D0R0"; })) << read();
    p.EndSession();
    EXPECT_TRUE(p.WaitExit());
}

TEST_F(ProgramTest, ShowMainFormShowsTheAboutWindowWhenTheLoopStarts) {
    PutValue(ProgramSettingsKey(), L"ShowMainForm", REG_DWORD, Dword(1));
    Program p = StartAndWait();
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(p.MainWindow()) != FALSE; }));
    PostMessageW(p.MainWindow(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(p.MainWindow()); })) << "closing hides";
    EXPECT_TRUE(p.Running());
    p.EndSession();
    ASSERT_TRUE(p.WaitExit());
    EXPECT_EQ(RawValue(ProgramSettingsKey(), L"ShowMainForm").Data, Dword(1)) << "the flag, not the visibility";
}
