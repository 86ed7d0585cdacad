// Helpers shared by the Windows tests: the registry as seen from outside, and the program
// started as a separate process.
#pragma once

#include "core/registry_codec.h"
#include "platform/unique_handle.h"

#include <windows.h>

#include <string>
#include <vector>

// The folder of the test program, with a trailing backslash; the program and fixtures are there.
std::wstring TestDir();

struct RawRegValue {
    DWORD Type = REG_NONE;
    core::Bytes Data;
    bool operator==(const RawRegValue&) const = default;
};
bool KeyExists(const std::wstring& path);
// REG_NONE with no data when the value does not exist.
RawRegValue RawValue(const std::wstring& keyPath, const wchar_t* name);
void PutValue(const std::wstring& keyPath, const wchar_t* name, DWORD type, const core::Bytes& data);
void DeleteKeyTree(const std::wstring& path);

// The settings key of the program under test ("Software\<company>\<product>\4.0.0") and the
// company key above it, from the program's own version resource.
const std::wstring& ProgramSettingsKey();
const std::wstring& ProgramCompanyKey();

// The Windows version Wine reports to veskara.exe ("winxp", "vista", "win7"; empty: the default).
void SetProgramWindowsVersion(const std::wstring& version);

class Program {
public:
    Program() = default;
    Program(Program&&) = default;
    Program& operator=(Program&&) = default;
    ~Program();  // a program still running at the end of a test is ended by force

    static Program Start(const std::wstring& exe = L"veskara.exe", const std::wstring& arguments = L"");
    // Any command line, found on the system's search path.
    static Program StartCommand(const std::wstring& commandLine);
    DWORD Id() const { return id_; }
    bool Running() const;
    // True once the program waits for input in its message loop.
    bool WaitIdle(DWORD ms = 20000) const;
    bool WaitExit(DWORD ms = 20000) const;
    // A message box of this program, or nullptr when none appears in time.
    HWND WaitMessageBox(DWORD ms = 20000) const;
    HWND MainWindow() const;
    HWND TrayWindow() const;
    HWND PopupListWindow() const;
    // The program's open popup menu window, or nullptr when none appears in time.
    HWND WaitMenu(DWORD ms = 5000) const;
    // Asks the tray icon what the shell would on a click: a mouse message of the notification.
    void TrayMouse(UINT mouseMessage) const;
    // The log-off sequence the system sends at the end of a session.
    void EndSession() const;

private:
    platform::UniqueKernelHandle process_;
    DWORD id_ = 0;
};

std::wstring WindowText(HWND hwnd);
// The text of a message box (its static text control).
std::wstring MessageBoxText(HWND box);
void PressOk(HWND box);
