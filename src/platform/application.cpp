#include "platform/application.h"

#include <algorithm>

namespace platform {

TApplication Application;

bool TApplication::Dispatch(MSG& msg) {
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return false;
    }
    for (HWND dialog : dialogWindows_) {
        if (IsWindow(dialog) && (dialog == msg.hwnd || IsChild(dialog, msg.hwnd)) &&
            IsDialogMessageW(dialog, &msg))
            return true;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

void TApplication::Run() {
    if (ShowMainForm && MainWindow) {
        ShowWindow(MainWindow, SW_SHOW);
        SetForegroundWindow(MainWindow);
    }
    Loop([] { return false; });
    DestroyReleased();
}

void TApplication::RunModal(const std::function<bool()>& done) { Loop(done); }

void TApplication::Loop(const std::function<bool()>& done) {
    MSG msg;
    while (!terminated_ && !done()) {
        DestroyReleased();
        if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                terminated_ = true;
                PostQuitMessage(static_cast<int>(msg.wParam));  // the outer loop ends too
                break;
            }
            Dispatch(msg);
            continue;
        }
        // The queue is empty: idle-time work, then sleep until the next message.
        if (OnIdle) OnIdle();
        if (terminated_ || done()) break;
        WaitMessage();
    }
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Keep the quit request for the main loop.
            terminated_ = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Dispatch(msg);
    }
}

void TApplication::AddDialogWindow(HWND hwnd) { dialogWindows_.push_back(hwnd); }

void TApplication::RemoveDialogWindow(HWND hwnd) {
    dialogWindows_.erase(std::remove(dialogWindows_.begin(), dialogWindows_.end(), hwnd),
                         dialogWindows_.end());
}

void TApplication::ReleaseLater(std::function<void()> destroy) { released_.push_back(std::move(destroy)); }

void TApplication::DestroyReleased() {
    auto pending = std::move(released_);
    released_.clear();
    for (auto& destroy : pending) destroy();
}

}  // namespace platform
