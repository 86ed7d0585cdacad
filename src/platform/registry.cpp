#include "platform/registry.h"

namespace platform {

bool OpenKeyForReading(const std::wstring& keyPath, UniqueHKey& key) {
    return RegOpenKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_QUERY_VALUE, key.put()) ==
           ERROR_SUCCESS;
}

bool OpenKeyForWriting(const std::wstring& keyPath, UniqueHKey& key) {
    return RegCreateKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                           KEY_SET_VALUE, nullptr, key.put(), nullptr) == ERROR_SUCCESS;
}

void CloseKey(UniqueHKey& key) { key.reset(); }

bool QueryRawValue(HKEY key, const wchar_t* name, core::RegType& type, core::Bytes& data) {
    DWORD kind = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, name, nullptr, &kind, nullptr, &size) != ERROR_SUCCESS) return false;
    data.assign(size, 0);
    DWORD kind2 = 0;
    DWORD size2 = size;
    if (RegQueryValueExW(key, name, nullptr, &kind2, data.data(), &size2) != ERROR_SUCCESS ||
        kind2 != kind || size2 != size)
        return false;
    type = static_cast<core::RegType>(kind);
    return true;
}

void WriteRawValue(HKEY key, const wchar_t* name, core::RegType type, const core::Bytes& data) {
    RegSetValueExW(key, name, 0, static_cast<DWORD>(type), data.data(), static_cast<DWORD>(data.size()));
}

bool QueryDWordValue(HKEY key, const wchar_t* name, std::int32_t& value) {
    std::uint8_t buffer[4] = {};
    DWORD kind = 0;
    DWORD size = sizeof buffer;
    if (RegQueryValueExW(key, name, nullptr, &kind, buffer, &size) != ERROR_SUCCESS) return false;
    auto decoded = core::DecodeInteger(static_cast<core::RegType>(kind), core::ByteView(buffer, size));
    if (!decoded) return false;
    value = *decoded;
    return true;
}

int ReadIntegerValue(HKEY key, const wchar_t* name, int defaultValue) {
    std::int32_t value = 0;
    return QueryDWordValue(key, name, value) ? value : defaultValue;
}

bool ReadBoolValue(HKEY key, const wchar_t* name, bool defaultValue) {
    std::int32_t value = 0;
    return QueryDWordValue(key, name, value) ? value != 0 : defaultValue;
}

std::wstring ReadStringValue(HKEY key, const wchar_t* name) {
    core::RegType type{};
    core::Bytes data;
    if (!QueryRawValue(key, name, type, data)) return {};
    return core::DecodeString(type, data).value_or(std::wstring());
}

std::wstring ReadStringValue(HKEY key, const wchar_t* name, const std::wstring& defaultValue) {
    std::wstring value = ReadStringValue(key, name);
    return value.empty() ? defaultValue : value;
}

void WriteIntegerValue(HKEY key, const wchar_t* name, int value) {
    WriteRawValue(key, name, core::RegType::DWord, core::EncodeInteger(value));
}

void WriteBoolValue(HKEY key, const wchar_t* name, bool value) { WriteIntegerValue(key, name, value ? 1 : 0); }

void WriteStringValue(HKEY key, const wchar_t* name, const std::wstring& value) {
    WriteRawValue(key, name, core::RegType::Sz, core::EncodeString(value));
}

}  // namespace platform
