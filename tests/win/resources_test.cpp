// The program's own resources as Windows loads them.
#include "resource_ids.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

#include <shellapi.h>
#include <shlobj.h>

namespace {
std::wstring LoadFrom(HMODULE module, UINT id) {
    const wchar_t* text = nullptr;
    int length = LoadStringW(module, id, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 ? std::wstring(text, length) : std::wstring();
}
}  // namespace

TEST(Resources, TheStringTableHoldsEveryFixedText) {
    platform::UniqueHModule exe(LoadLibraryExW((TestDir() + L"veskara.exe").c_str(), nullptr,
                                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    ASSERT_TRUE(exe);
    struct Case { UINT id; std::wstring text; };
    const Case cases[] = {
        {IDS_RUN_PROMPT, L"Type the name of a program, folder, document, or Internet resource, and %s will open it for you."},
        {IDS_NO_VERSION_INFO, L"Version information not found."},
        {IDS_NO_EXE_NAME, L"Unable to determine the name of the executable."},
        {IDS_COM_ERROR, L"COM Error."},
        {IDS_ALREADY_RUNNING, L"This application is already running."},
        {IDS_OS_NOT_SUPPORTED, L"Your operating system is not supported."},
        {IDS_DONATE_URL, VESKARA_DONATE_URL_W},
        {IDS_ICON_COMMON_FILE, L"Common File"},
        {IDS_ICON_COMMON_FOLDER, L"Common Folder"},
        {IDS_ICON_PERSONAL_FILE, L"Personal File"},
        {IDS_ICON_PERSONAL_FOLDER, L"Personal Folder"},
        {IDS_ICON_SETTINGS, L"Settings"},
        {IDS_ICON_DONATE, L"Donate"},
        {IDS_ICON_ABOUT, L"About"},
        {IDS_ICON_RUN, L"Run"},
        {IDS_ICON_EXIT, L"Exit"},
        {IDS_RUN_TITLE, L"Run"},
        {IDS_OK, L"OK"},
        {IDS_ABOUT_FMT, L"About %s"},
        {IDS_VERSION_FMT, L"Version %d.%d.%d.%d"},
        {IDS_EMPTY, L"(Empty)"},
        {IDS_NO_EVENT, L"Unable to create event."},
    };
    for (const auto& c : cases) EXPECT_EQ(LoadFrom(exe.get(), c.id), c.text) << c.id;
    EXPECT_FALSE(LoadFrom(exe.get(), IDS_COPYRIGHT).empty());
    EXPECT_EQ(std::wstring(VESKARA_DONATE_URL_W).rfind(L"https://veskara.example/feedback.html?", 0), 0u);
}

TEST(Resources, MainIconComesFirstAndIndexKIsGroupK) {
    const std::wstring exe = TestDir() + L"veskara.exe";
    EXPECT_EQ(ExtractIconExW(exe.c_str(), -1, nullptr, nullptr, 0), 40u);
    for (int index : {0, 1, 4, 9, 20, 24, 28, 32, 36, 39}) {
        HICON large = nullptr, small = nullptr;
        UINT sizes = MAKELONG(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CXSMICON));
        EXPECT_EQ(SHDefExtractIconW(exe.c_str(), index, 0, &large, &small, sizes), S_OK) << index;
        platform::UniqueHIcon l(large), s(small);
        EXPECT_TRUE(l && s) << index;
    }
}
