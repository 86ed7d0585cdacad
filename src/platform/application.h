// The application object: the main thread's message loop with its idle handler, and the
// program-wide flags the main form reads and writes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace platform {

class TApplication {
public:
    // True shows the main window when the message loop starts.
    bool ShowMainForm = false;
    // The main window owns the taskbar button while it is visible (there is no hidden
    // application window).
    bool MainFormOnTaskbar = true;
    std::wstring Title;
    HWND MainWindow = nullptr;
    // Run each time the message queue becomes empty.
    std::function<void()> OnIdle;

    // Runs the message loop until Terminate.
    void Run();
    // Runs the loop for a modal window until done() is true or the application terminates.
    void RunModal(const std::function<bool()>& done);
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles every waiting message, then returns (used while long work runs on the main thread).
    void ProcessMessages();
    // Windows whose keyboard navigation works like a dialog's (Tab, Enter, mnemonics).
    void AddDialogWindow(HWND hwnd);
    void RemoveDialogWindow(HWND hwnd);
    // Windows released for destruction on the next turn of the loop (or at the end).
    void ReleaseLater(std::function<void()> destroy);
    void DestroyReleased();

private:
    bool Dispatch(MSG& msg);
    void Loop(const std::function<bool()>& done);
    bool terminated_ = false;
    std::vector<HWND> dialogWindows_;
    std::vector<std::function<void()>> released_;
};

extern TApplication Application;

}  // namespace platform
