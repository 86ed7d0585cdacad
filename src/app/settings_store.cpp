#include "app/settings_store.h"

using namespace platform;

bool TSettingsStore::OpenSettingsKeyForReading(UniqueHKey& key) const {
    return OpenKeyForReading(FRegistryKey, key);
}

bool TSettingsStore::OpenSettingsKeyForWriting(UniqueHKey& key) const {
    return OpenKeyForWriting(FRegistryKey, key);
}

int TSettingsStore::ReadInteger(const wchar_t* name, int defaultValue) const {
    UniqueHKey key;
    if (!OpenSettingsKeyForReading(key)) return defaultValue;
    return ReadIntegerValue(key.get(), name, defaultValue);
}

bool TSettingsStore::ReadBool(const wchar_t* name) const { return ReadInteger(name, 0) != 0; }

bool TSettingsStore::IntegerStored(const wchar_t* name) const {
    UniqueHKey key;
    std::int32_t value = 0;
    return OpenSettingsKeyForReading(key) && QueryDWordValue(key.get(), name, value);
}

double TSettingsStore::ReadFloat(const wchar_t* name, double defaultValue) const {
    UniqueHKey key;
    if (!OpenSettingsKeyForReading(key)) return defaultValue;
    core::RegType type{};
    core::Bytes data;
    if (!QueryRawValue(key.get(), name, type, data)) return defaultValue;
    return core::DecodeFloat(type, data).value_or(defaultValue);
}

std::wstring TSettingsStore::ReadString(const wchar_t* name) const {
    UniqueHKey key;
    if (!OpenSettingsKeyForReading(key)) return {};
    return ReadStringValue(key.get(), name);
}

std::wstring TSettingsStore::ReadString(const wchar_t* name, const std::wstring& defaultValue) const {
    std::wstring value = ReadString(name);
    return value.empty() ? defaultValue : value;
}

void TSettingsStore::WriteInteger(const wchar_t* name, int value) const {
    UniqueHKey key;
    if (OpenSettingsKeyForWriting(key)) WriteIntegerValue(key.get(), name, value);
}

void TSettingsStore::WriteBool(const wchar_t* name, bool value) const {
    UniqueHKey key;
    if (OpenSettingsKeyForWriting(key)) WriteBoolValue(key.get(), name, value);
}

void TSettingsStore::WriteString(const wchar_t* name, const std::wstring& value) const {
    UniqueHKey key;
    if (OpenSettingsKeyForWriting(key)) WriteStringValue(key.get(), name, value);
}

void TSettingsStore::WriteFloat(const wchar_t* name, double value) const {
    UniqueHKey key;
    if (OpenSettingsKeyForWriting(key)) WriteRawValue(key.get(), name, core::RegType::Binary, core::EncodeFloat(value));
}

void TSettingsStore::ReadStrings(std::vector<std::wstring>& stringList, const wchar_t* p) const {
    stringList.clear();
    UniqueHKey key;
    if (!OpenSettingsKeyForReading(key)) return;
    core::RegType type{};
    core::Bytes data;
    if (!QueryRawValue(key.get(), p, type, data)) return;
    stringList = core::DecodeStringList(type, data);
}

void TSettingsStore::StoreStrings(const std::vector<std::wstring>& stringList, const wchar_t* p) const {
    UniqueHKey key;
    if (OpenSettingsKeyForWriting(key))
        WriteRawValue(key.get(), p, core::RegType::MultiSz, core::EncodeStringList(stringList));
}
