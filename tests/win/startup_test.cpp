// The program started for real: start-up checks, the single instance, and the settings it
// leaves in the registry after an orderly end.
#include "app/version_info.h"
#include "core/registry_codec.h"
#include "core/settings_table.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct ProgramIdentity {
    const std::wstring& CompanyKey;
    const std::wstring& SettingsKey;
};

ProgramIdentity Identity() { return {ProgramCompanyKey(), ProgramSettingsKey()}; }

core::Bytes Dword(int v) { return core::EncodeInteger(v); }

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteKeyTree(Identity().CompanyKey);
        SetProgramWindowsVersion(L"");
    }
    void TearDown() override {
        SetProgramWindowsVersion(L"");
        DeleteKeyTree(Identity().CompanyKey);
    }
    const std::wstring& Key() const { return Identity().SettingsKey; }
    RawRegValue Value(const wchar_t* name) const { return RawValue(Key(), name); }

    // Starts the program, waits for its message loop, ends the session and waits for it to end.
    void RunAndLogOff() {
        Program p = Program::Start();
        ASSERT_TRUE(p.WaitIdle());
        ASSERT_EQ(p.WaitMessageBox(0), nullptr) << "unexpected box";
        ASSERT_TRUE(p.MainWindow());
        p.EndSession();
        ASSERT_TRUE(p.WaitExit());
    }

    // A start that must stop with the given message and write nothing.
    void ExpectRefusal(const wchar_t* message) {
        Program p = Program::Start();
        HWND box = p.WaitMessageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxText(box), message);
        EXPECT_EQ(WindowText(box), L"Error");
        PressOk(box);
        EXPECT_TRUE(p.WaitExit());
        EXPECT_FALSE(KeyExists(Identity().CompanyKey));
    }
};

}  // namespace

TEST_F(StartupTest, FirstStartCreatesNoKeyAndAnOrderlyEndWritesEveryValueWithItsDefault) {
    Program p = Program::Start();
    ASSERT_TRUE(p.WaitIdle());
    EXPECT_FALSE(KeyExists(Identity().CompanyKey)) << "nothing is written while running";
    p.EndSession();
    ASSERT_TRUE(p.WaitExit());

    const std::wstring folder = core::FolderOf(TestDir() + L"veskara.exe");
    for (const auto& s : core::kShutdownOrder) {
        std::wstring name(s.Name);
        RawRegValue v = Value(name.c_str());
        SCOPED_TRACE(std::string(name.begin(), name.end()));
        switch (s.Kind) {
        case core::SettingKind::Boolean:
            if (name == L"Dsa") EXPECT_EQ(v.Type, DWORD(REG_NONE));
            else EXPECT_EQ(v, (RawRegValue{REG_DWORD, Dword(0)}));
            break;
        case core::SettingKind::Integer:
            EXPECT_EQ(v.Type, DWORD(REG_DWORD));
            if (s.DefaultKind == core::SettingDefault::Constant) EXPECT_EQ(v.Data, Dword(int(s.Default)));
            break;
        case core::SettingKind::Float:
            EXPECT_EQ(v, (RawRegValue{REG_BINARY, core::EncodeFloat(s.Default)}));
            break;
        case core::SettingKind::String:
            EXPECT_EQ(v, (RawRegValue{REG_SZ, core::EncodeString(folder + L"vesk.bmp")}));
            break;
        case core::SettingKind::StringList:
            EXPECT_EQ(v, (RawRegValue{REG_MULTI_SZ, core::Bytes{0, 0}}));
            break;
        case core::SettingKind::IconSubKeys:
            for (const auto& icon : core::kAdditionalIcons) {
                std::wstring sub = Key() + L"\\ExtraIcons\\" + std::wstring(icon.KeyName);
                EXPECT_EQ(RawValue(sub, L"Filename"),
                          (RawRegValue{REG_SZ, core::EncodeString(TestDir() + L"veskara.exe")}));
                EXPECT_EQ(RawValue(sub, L"Index"), (RawRegValue{REG_DWORD, Dword(icon.DefaultIndex)}));
                EXPECT_EQ(RawValue(sub, L"Disappeared"), (RawRegValue{REG_DWORD, Dword(icon.DefaultDisappeared)}));
            }
            break;
        case core::SettingKind::SoundSubKeys:
            for (const auto& sound : core::kSounds) {
                std::wstring sub = Key() + L"\\Sounds\\" + std::wstring(sound.KeyName);
                EXPECT_EQ(RawValue(sub, L"Disabled"), (RawRegValue{REG_DWORD, Dword(sound.DefaultDisabled)}));
                EXPECT_EQ(RawValue(sub, L"Sound"),
                          (RawRegValue{REG_SZ, core::EncodeString(folder + L"Sounds\\" + std::wstring(sound.DefaultFile))}));
            }
            break;
        }
    }
}

TEST_F(StartupTest, BadStoredValuesGiveDefaultsWithoutDisturbingGoodOnes) {
    // Bad: every kind of malformed value. Good: values that must come back unchanged.
    PutValue(Key(), L"Opaque", REG_DWORD, Dword(5));                      // Boolean 5: True, written as 1
    PutValue(Key(), L"AlphaBlendValue", REG_DWORD, Dword(300));           // low 8 bits: 44
    PutValue(Key(), L"CaptionLengthLimitValue", REG_SZ, core::EncodeString(L"20"));
    PutValue(Key(), L"LargeColumnSize", REG_DWORD, Dword(7));
    PutValue(Key(), L"SmallColumnSize", REG_DWORD, core::Bytes{1, 2});    // short DWORD
    PutValue(Key(), L"DemotedItemsData", REG_BINARY, core::Bytes{0, 0, 0, 0, 0, 0, 0xE8, 0x3F});
    PutValue(Key(), L"AdditionalIconsAreaData", REG_BINARY, core::Bytes{0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFE, 0x3F});
    PutValue(Key(), L"CustomBanner", REG_SZ, core::Bytes{0, 0});
    PutValue(Key(), L"TrueNames", REG_SZ, core::EncodeString(L"1"));
    PutValue(Key(), L"HideCommon", REG_DWORD, Dword(1));
    PutValue(Key(), L"MenuUsage", REG_MULTI_SZ, core::Bytes{'a', 0, 0});  // odd size
    PutValue(Key(), L"MergedMenuUsage", REG_MULTI_SZ, core::EncodeStringList({L"C:\\a.lnk", L"C:\\b.lnk"}));
    PutValue(Key(), L"Left", REG_DWORD, Dword(100));
    PutValue(Key(), L"Top", REG_DWORD, Dword(200));
    PutValue(Key() + L"\\ExtraIcons\\Run", L"Filename", REG_SZ, core::Bytes{0, 0});
    PutValue(Key() + L"\\ExtraIcons\\Run", L"Index", REG_EXPAND_SZ, core::EncodeString(L"3"));
    PutValue(Key() + L"\\Sounds\\Loop", L"Disabled", REG_DWORD, Dword(9));
    PutValue(Key() + L"\\Sounds\\Loop", L"Sound", REG_SZ, core::EncodeString(L"C:\\w\\loop.wav"));

    RunAndLogOff();

    const std::wstring exe = TestDir() + L"veskara.exe";
    EXPECT_EQ(Value(L"Opaque").Data, Dword(1));
    EXPECT_EQ(Value(L"AlphaBlendValue").Data, Dword(44));
    EXPECT_EQ(Value(L"CaptionLengthLimitValue"), (RawRegValue{REG_DWORD, Dword(256)}));
    EXPECT_EQ(Value(L"LargeColumnSize").Data, Dword(7));
    EXPECT_EQ(Value(L"SmallColumnSize"), (RawRegValue{REG_DWORD, Dword(32)}));
    EXPECT_EQ(Value(L"DemotedItemsData").Data, core::EncodeFloat(0.5));
    EXPECT_EQ(Value(L"AdditionalIconsAreaData").Data, core::EncodeFloat(0.75));
    EXPECT_EQ(Value(L"CustomBanner").Data, core::EncodeString(core::FolderOf(exe) + L"vesk.bmp"));
    EXPECT_EQ(Value(L"TrueNames"), (RawRegValue{REG_DWORD, Dword(0)}));
    EXPECT_EQ(Value(L"HideCommon").Data, Dword(1));
    EXPECT_EQ(Value(L"MenuUsage").Data, (core::Bytes{0, 0}));
    EXPECT_EQ(Value(L"MergedMenuUsage").Data, core::EncodeStringList({L"C:\\a.lnk", L"C:\\b.lnk"}));
    EXPECT_EQ(Value(L"Left").Data, Dword(100));
    EXPECT_EQ(Value(L"Top").Data, Dword(200));
    EXPECT_EQ(RawValue(Key() + L"\\ExtraIcons\\Run", L"Filename").Data, core::EncodeString(exe));
    EXPECT_EQ(RawValue(Key() + L"\\ExtraIcons\\Run", L"Index"), (RawRegValue{REG_DWORD, Dword(32)}));
    EXPECT_EQ(RawValue(Key() + L"\\Sounds\\Loop", L"Disabled").Data, Dword(1));
    EXPECT_EQ(RawValue(Key() + L"\\Sounds\\Loop", L"Sound").Data, core::EncodeString(L"C:\\w\\loop.wav"));
}

TEST_F(StartupTest, ASecondStartSaysSoAndEndsWhileTheFirstRunsOn) {
    Program first = Program::Start();
    ASSERT_TRUE(first.WaitIdle());
    ExpectRefusal(L"This application is already running.");
    EXPECT_TRUE(first.Running());
    first.EndSession();
    EXPECT_TRUE(first.WaitExit());
    EXPECT_TRUE(KeyExists(Key()));
}

TEST_F(StartupTest, WindowsXpIsRefusedBeforeTheMutexIsCreated) {
    SetProgramWindowsVersion(L"winxp");
    Program p = Program::Start();
    HWND box = p.WaitMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"Your operating system is not supported.");
    platform::UniqueKernelHandle mutex(OpenMutexW(SYNCHRONIZE, FALSE, L"VeskaraAppMutex"));
    EXPECT_FALSE(mutex) << "no mutex while the refusal is shown";
    PressOk(box);
    EXPECT_TRUE(p.WaitExit());
    EXPECT_FALSE(KeyExists(Identity().CompanyKey));
}

TEST_F(StartupTest, VistaAsksForTestModeUnlessDsaIsSet) {
    SetProgramWindowsVersion(L"vista");
    {
        Program p = Program::Start();
        HWND box = p.WaitMessageBox();
        ASSERT_NE(box, nullptr);
        PostMessageW(box, WM_COMMAND, IDNO, 0);
        EXPECT_TRUE(p.WaitExit());
        EXPECT_FALSE(KeyExists(Identity().CompanyKey)) << "declining writes nothing";
    }
    PutValue(Key(), L"Dsa", REG_DWORD, Dword(1));
    RunAndLogOff();
    EXPECT_EQ(Value(L"Dsa").Data, Dword(1));
}

TEST_F(StartupTest, Windows7NeverAsksEvenWithoutDsa) {
    SetProgramWindowsVersion(L"win7");
    PutValue(Key(), L"Dsa", REG_DWORD, Dword(0));
    RunAndLogOff();
}

TEST_F(StartupTest, TheSystemsEndOfSessionIsAnOrderlyExit) {
    // Wine's own log-off: every top-level window gets WM_QUERYENDSESSION and WM_ENDSESSION.
    if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")) GTEST_SKIP() << "not under Wine";
    Program p = Program::Start();
    ASSERT_TRUE(p.WaitIdle());
    PutValue(L"Software\\VeskaraTests", L"marker", REG_DWORD, Dword(1));  // unrelated keys stay
    Program wineboot = Program::StartCommand(L"wineboot.exe --end-session");
    EXPECT_TRUE(wineboot.WaitExit());
    EXPECT_TRUE(p.WaitExit());
    EXPECT_EQ(Value(L"MouseButton"), (RawRegValue{REG_DWORD, Dword(1)}));
    EXPECT_EQ(Value(L"MergedMenuUsage"), (RawRegValue{REG_MULTI_SZ, core::Bytes{0, 0}}));
    DeleteKeyTree(L"Software\\VeskaraTests");
}
