// The settings store against the real registry: what each kind of stored value reads as.
#include "app/settings_store.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace platform;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.FRegistryKey = L"Software\\VeskaraTests\\Store";
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VeskaraTests");
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VeskaraTests"); }
    void Put(const wchar_t* name, DWORD type, const core::Bytes& data) {
        UniqueHKey key;
        ASSERT_TRUE(OpenKeyForWriting(store.FRegistryKey, key));
        RegSetValueExW(key.get(), name, 0, type, data.data(), DWORD(data.size()));
    }
    TSettingsStore store;
};

}  // namespace

TEST_F(SettingsStoreTest, MissingKeyGivesDefaultsAndCreatesNothing) {
    EXPECT_EQ(store.ReadInteger(L"LargeColumnSize", 20), 20);
    EXPECT_FALSE(store.ReadBool(L"Opaque"));
    EXPECT_EQ(store.ReadFloat(L"DemotedItemsData", 0.5), 0.5);
    EXPECT_EQ(store.ReadString(L"CustomBanner", L"C:\\x\\vesk.bmp"), L"C:\\x\\vesk.bmp");
    std::vector<std::wstring> list{L"stale"};
    store.ReadStrings(list, L"MenuUsage");
    EXPECT_TRUE(list.empty());
    EXPECT_FALSE(KeyExists(store.FRegistryKey));
}

TEST_F(SettingsStoreTest, StoredValuesOfEachKindAreReadOrRejected) {
    Put(L"Bool5", REG_DWORD, core::EncodeInteger(5));
    Put(L"Alpha300", REG_DWORD, core::EncodeInteger(300));
    Put(L"IntAsString", REG_SZ, core::EncodeString(L"20"));
    Put(L"IntAsQword", REG_QWORD, core::Bytes{20, 0, 0, 0, 0, 0, 0, 0});
    Put(L"FloatAsDouble", REG_BINARY, core::Bytes{0, 0, 0, 0, 0, 0, 0xE8, 0x3F});
    Put(L"Float075", REG_BINARY, core::Bytes{0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFE, 0x3F});
    Put(L"EmptyString", REG_SZ, core::Bytes{0, 0});
    Put(L"ExpandString", REG_EXPAND_SZ, core::EncodeString(L"%TEMP%\\x.bmp"));
    Put(L"GoodString", REG_SZ, core::EncodeString(L"D:\\pics\\b.bmp"));
    Put(L"OddList", REG_MULTI_SZ, core::Bytes{'a', 0, 0, 0, 0});
    Put(L"Size2List", REG_MULTI_SZ, core::Bytes{0, 0});
    Put(L"OpenList", REG_MULTI_SZ, core::Bytes{'a', 0, 0, 0, 'b', 0, 'c', 0});

    EXPECT_TRUE(store.ReadBool(L"Bool5"));
    EXPECT_EQ(store.ReadInteger(L"Alpha300", 128) & 0xFF, 44);
    EXPECT_EQ(store.ReadInteger(L"IntAsString", 256), 256);
    EXPECT_EQ(store.ReadInteger(L"IntAsQword", 256), 256);
    EXPECT_EQ(store.ReadFloat(L"FloatAsDouble", 0.5), 0.5);
    EXPECT_EQ(store.ReadFloat(L"Float075", 0.5), 0.75);
    EXPECT_EQ(store.ReadString(L"EmptyString", L"dflt"), L"dflt");
    EXPECT_EQ(store.ReadString(L"ExpandString", L"dflt"), L"dflt");
    EXPECT_EQ(store.ReadString(L"GoodString", L"dflt"), L"D:\\pics\\b.bmp");
    std::vector<std::wstring> list;
    store.ReadStrings(list, L"OddList");
    EXPECT_TRUE(list.empty());
    store.ReadStrings(list, L"Size2List");
    EXPECT_TRUE(list.empty());
    store.ReadStrings(list, L"OpenList");
    EXPECT_EQ(list, (std::vector<std::wstring>{L"a", L"bc"}));
}

TEST_F(SettingsStoreTest, WritesUseTheDocumentedTypesAndSizes) {
    store.WriteBool(L"B", true);
    store.WriteInteger(L"I", -7);
    store.WriteString(L"S", L"ab");
    store.WriteFloat(L"F", 0.25);
    store.StoreStrings({L"a", L"b"}, L"L");
    store.StoreStrings({}, L"E");
    EXPECT_EQ(RawValue(store.FRegistryKey, L"B"), (RawRegValue{REG_DWORD, core::Bytes{1, 0, 0, 0}}));
    EXPECT_EQ(RawValue(store.FRegistryKey, L"I"), (RawRegValue{REG_DWORD, core::EncodeInteger(-7)}));
    EXPECT_EQ(RawValue(store.FRegistryKey, L"S"), (RawRegValue{REG_SZ, core::Bytes{'a', 0, 'b', 0, 0, 0}}));
    EXPECT_EQ(RawValue(store.FRegistryKey, L"F"),
              (RawRegValue{REG_BINARY, core::Bytes{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFD, 0x3F}}));
    EXPECT_EQ(RawValue(store.FRegistryKey, L"L"),
              (RawRegValue{REG_MULTI_SZ, core::Bytes{'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0}}));
    EXPECT_EQ(RawValue(store.FRegistryKey, L"E"), (RawRegValue{REG_MULTI_SZ, core::Bytes{0, 0}}));
    std::vector<std::wstring> list;
    store.ReadStrings(list, L"L");
    EXPECT_EQ(list, (std::vector<std::wstring>{L"a", L"b"}));
    store.ReadStrings(list, L"E");
    EXPECT_TRUE(list.empty());
}

TEST_F(SettingsStoreTest, TrackBarFractionsComeBackToTheirPosition) {
    for (int position = 0; position <= 100; ++position) {
        store.WriteFloat(L"DemotedItemsData", position / 100.0);
        EXPECT_EQ(std::lround(store.ReadFloat(L"DemotedItemsData", -1) * 100), position);
    }
}
