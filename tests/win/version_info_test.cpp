// ReadVersionInfo against small programs whose version resources lack one piece or another.
#include "app/version_info.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

TEST(ReadVersionInfo, TakesProductVersionAndStringsOfTheFirstTranslation) {
    TVersionInfo info;
    ASSERT_TRUE(ReadVersionInfo(TestDir() + L"fixtures\\fixture_good.exe", info));
    EXPECT_EQ(info.Major, 4u);
    EXPECT_EQ(info.Minor, 1u);
    EXPECT_EQ(info.Release, 0u);
    EXPECT_EQ(info.Build, 7u);
    EXPECT_EQ(info.ProductName, L"Fixture");
    EXPECT_EQ(info.CompanyName, L"Fixture Makers");
}

TEST(ReadVersionInfo, FailsWhenAnyPieceIsMissingOrEmpty) {
    for (const wchar_t* name : {L"fixture_no_version.exe", L"fixture_no_translation.exe",
                                L"fixture_no_product.exe", L"fixture_empty_company.exe",
                                L"no_such_file.exe"}) {
        TVersionInfo info;
        EXPECT_FALSE(ReadVersionInfo(TestDir() + L"fixtures\\" + name, info)) << std::wstring(name).size();
    }
}

TEST(ReadVersionInfo, TheProgramCarriesItsOwnIdentity) {
    TVersionInfo info;
    ASSERT_TRUE(ReadVersionInfo(TestDir() + L"veskara.exe", info));
    EXPECT_EQ(info.Major, 4u);
    EXPECT_EQ(info.Minor, 0u);
    EXPECT_EQ(info.Release, 0u);
    EXPECT_EQ(info.Build, 2000u);
    EXPECT_EQ(info.ProductName, L"Veskara");
    EXPECT_FALSE(info.CompanyName.empty());
}
