// The usage stacks across runs of the real program: stored at the end, read at the start, and
// fitted by each build only in the view in force.
#include "core/registry_codec.h"
#include "menu_test_support.h"
#include "win_test_support.h"

#include <gtest/gtest.h>
#include <shlobj.h>

namespace {

void RunAndLogOff() {
    Program p = Program::Start();
    ASSERT_TRUE(p.WaitIdle());
    ASSERT_EQ(p.WaitMessageBox(0), nullptr) << "unexpected box";
    p.EndSession();
    ASSERT_TRUE(p.WaitExit());
}

void SetView(const std::wstring& key, bool hideCommon, bool hidePersonal) {
    PutValue(key, L"HideCommon", REG_DWORD, core::EncodeInteger(hideCommon));
    PutValue(key, L"HidePersonal", REG_DWORD, core::EncodeInteger(hidePersonal));
}

core::Bytes Stack(std::initializer_list<std::wstring> entries) { return core::EncodeStringList(entries); }

// The entries of a stored stack; a value of another type reads as one marker entry.
std::vector<std::wstring> Stored(const std::wstring& key, const wchar_t* name) {
    const RawRegValue v = RawValue(key, name);
    if (v.Type != REG_MULTI_SZ) return {L"<not a string list>"};
    return core::DecodeStringList(core::RegType::MultiSz, v.Data);
}

using Entries = std::vector<std::wstring>;

class MenuUsageWin : public ::testing::Test {
protected:
    void SetUp() override { DeleteKeyTree(ProgramCompanyKey()); }
    void TearDown() override { DeleteKeyTree(ProgramCompanyKey()); }
};

}  // namespace

TEST_F(MenuUsageWin, StacksSurviveARestartAndEachBuildFitsOnlyTheStackInForce) {
    const std::wstring& key = ProgramSettingsKey();
    // Favorites and Recent hold exactly three files, so the separate view with both Start Menus
    // hidden has three file items.
    const std::wstring favorites = ShellFolderPath(CSIDL_FAVORITES), recent = ShellFolderPath(CSIDL_RECENT);
    TFolderAside favoritesAside(favorites), recentAside(recent);
    TTestFolder fav(favorites), rec(recent);
    const std::wstring f1 = fav.File(L"f1.txt");
    fav.Dir(L"Sub");
    const std::wstring f2 = fav.File(L"Sub\\f2.txt");
    const std::wstring r1 = rec.File(L"r1.txt");
    const std::wstring gone = fav.PathOf(L"gone.txt");
    std::wstring F2 = f2;
    for (wchar_t& ch : F2) ch = towupper(ch);

    PutValue(key, L"MenuUsage", REG_MULTI_SZ, Stack({f1, gone, F2, r1, f1, f2}));
    PutValue(key, L"MergedMenuUsage", REG_MULTI_SZ, Stack({gone, f1}));

    // Separate view: "MenuUsage" loses the file that is gone and keeps as many entries as the
    // menu has file items; "MergedMenuUsage" comes back as it was read.
    SetView(key, true, true);
    RunAndLogOff();
    EXPECT_EQ(Stored(key, L"MenuUsage"), (Entries{f1, F2, r1}));
    EXPECT_EQ(Stored(key, L"MergedMenuUsage"), (Entries{gone, f1}));

    // Merged view: now only "MergedMenuUsage" is fitted; the other survives a second restart.
    SetView(key, false, false);
    RunAndLogOff();
    EXPECT_EQ(Stored(key, L"MenuUsage"), (Entries{f1, F2, r1}));
    EXPECT_EQ(Stored(key, L"MergedMenuUsage"), (Entries{f1}));
}
