// Reads and writes of the values of the settings key. Each call opens the key, performs one read
// or write and closes it; missing or malformed values give the caller's default.
#pragma once

#include "platform/registry.h"

#include <string>
#include <vector>

class TSettingsStore {
public:
    // Below HKEY_CURRENT_USER; set once during start-up before the first read.
    std::wstring FRegistryKey;

    bool OpenSettingsKeyForReading(platform::UniqueHKey& key) const;
    bool OpenSettingsKeyForWriting(platform::UniqueHKey& key) const;

    int ReadInteger(const wchar_t* name, int defaultValue = 0) const;
    bool ReadBool(const wchar_t* name) const;
    double ReadFloat(const wchar_t* name, double defaultValue) const;
    std::wstring ReadString(const wchar_t* name) const;
    std::wstring ReadString(const wchar_t* name, const std::wstring& defaultValue) const;
    // True when the value is stored as a readable Integer (to tell a stored value from a default).
    bool IntegerStored(const wchar_t* name) const;

    void WriteInteger(const wchar_t* name, int value) const;
    void WriteBool(const wchar_t* name, bool value) const;
    void WriteString(const wchar_t* name, const std::wstring& value) const;
    void WriteFloat(const wchar_t* name, double value) const;

    void ReadStrings(std::vector<std::wstring>& stringList, const wchar_t* p) const;
    void StoreStrings(const std::vector<std::wstring>& stringList, const wchar_t* p) const;
};
