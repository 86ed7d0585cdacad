#include "core/error_text.h"
#include "core/settings_table.h"

#include <gtest/gtest.h>

#include <set>

using namespace core;

TEST(SettingsKeyPath, IsBuiltFromCompanyProductAndThreeVersionNumbers) {
    EXPECT_EQ(SettingsKeyPath(L"Co", L"Veskara", 4, 0, 0), L"Software\\Co\\Veskara\\4.0.0");
    EXPECT_NE(SettingsKeyPath(L"Co", L"Veskara", 4, 1, 0), SettingsKeyPath(L"Co", L"Veskara", 4, 0, 0));
}

TEST(SettingsTable, NamesAreUniqueAndDsaIsTheOnlyOneNotWrittenAtExit) {
    std::set<std::wstring_view> names;
    for (const auto& s : kShutdownOrder) EXPECT_TRUE(names.insert(s.Name).second) << std::wstring(s.Name).c_str();
    EXPECT_EQ(kShutdownOrder[kWrittenAtExit].Name, L"Dsa");
    EXPECT_EQ(kWrittenAtExit, 37u);
}

TEST(FolderOf, KeepsTheTrailingSeparator) {
    EXPECT_EQ(FolderOf(L"C:\\Apps\\veskara.exe"), L"C:\\Apps\\");
    EXPECT_EQ(FolderOf(L"veskara.exe"), L"");
}

TEST(TrimErrorText, RemovesTrailingStopsAndControlCharacters) {
    struct Case { std::wstring in, out; };
    const Case cases[] = {
        {L"The system cannot find the file specified.\r\n", L"The system cannot find the file specified"},
        {L"Ends with dots...\t . \r\n", L"Ends with dots"},
        {L"v1.2 is fine", L"v1.2 is fine"},
        {L"", L""},
        {L". \r\n", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(TrimErrorText(c.in), c.out);
}

#include "core/text_format.h"

TEST(FormatText, FillsPlacesInOrderAndKeepsUnfilledOnes) {
    struct Case { std::wstring format; std::vector<std::wstring> s; std::vector<long long> d; std::wstring out; };
    const Case cases[] = {
        {L"About %s", {L"Veskara"}, {}, L"About Veskara"},
        {L"Version %d.%d.%d.%d", {}, {4, 0, 0, 2000}, L"Version 4.0.0.2000"},
        {L"%s and %s", {L"a"}, {}, L"a and %s"},
        {L"100%% %d%", {}, {5}, L"100% 5%"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatText(c.format, c.s, c.d), c.out);
}
