// Error boxes and shell launching, watched from a second thread of the test.
#include "app/error_report.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

// Answers every message box of this process while it lives and remembers what they said.
class BoxWatcher {
public:
    BoxWatcher() : thread_([this] { Run(); }) {}
    ~BoxWatcher() {
        stop_ = true;
        thread_.join();
    }
    std::vector<std::pair<std::wstring, std::wstring>> Seen() {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));  // a late second box would show by now
        return seen_;
    }

private:
    void Run() {
        while (!stop_) {
            HWND box = nullptr;
            EnumWindows(
                [](HWND hwnd, LPARAM lp) -> BOOL {
                    DWORD pid = 0;
                    GetWindowThreadProcessId(hwnd, &pid);
                    wchar_t cls[16] = {};
                    GetClassNameW(hwnd, cls, 16);
                    if (pid == GetCurrentProcessId() && lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(hwnd)) {
                        *reinterpret_cast<HWND*>(lp) = hwnd;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&box));
            if (box) {
                seen_.emplace_back(WindowText(box), MessageBoxText(box));
                SendMessageW(box, WM_COMMAND, IDOK, 0);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
        }
    }
    std::atomic<bool> stop_{false};
    std::vector<std::pair<std::wstring, std::wstring>> seen_;
    std::thread thread_;
};

}  // namespace

TEST(ErrorReport, SystemTextLosesItsFinalStopAndLineBreak) {
    std::wstring text = LastErrorText(ERROR_FILE_NOT_FOUND);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), L'.');
    EXPECT_GT(static_cast<unsigned>(text.back()), 32u);
    EXPECT_EQ(LastErrorText(0x2FFFFFFF), L"") << "a code without a description gives an empty text";
}

TEST(ErrorReport, OpeningAMissingFileShowsOneBoxWithTheSystemText) {
    BoxWatcher watcher;
    ShellOpen(TestDir() + L"no such file here.txt");
    auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].first, L"Error");
    EXPECT_EQ(seen[0].second, LastErrorText(ERROR_FILE_NOT_FOUND));
}
