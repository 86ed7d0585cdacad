// Key-level registry operations under HKEY_CURRENT_USER. Every key is opened for one operation
// and closed again by its holder; reads fall back to defaults, write failures are ignored.
#pragma once

#include "core/registry_codec.h"
#include "platform/unique_handle.h"

#include <string>

namespace platform {

bool OpenKeyForReading(const std::wstring& keyPath, UniqueHKey& key);
bool OpenKeyForWriting(const std::wstring& keyPath, UniqueHKey& key);
void CloseKey(UniqueHKey& key);

// Reads a value whole: its type and bytes. Fails when the value is missing or changes size
// between the size query and the read.
bool QueryRawValue(HKEY key, const wchar_t* name, core::RegType& type, core::Bytes& data);
void WriteRawValue(HKEY key, const wchar_t* name, core::RegType type, const core::Bytes& data);

bool QueryDWordValue(HKEY key, const wchar_t* name, std::int32_t& value);
int ReadIntegerValue(HKEY key, const wchar_t* name, int defaultValue);
bool ReadBoolValue(HKEY key, const wchar_t* name, bool defaultValue);
std::wstring ReadStringValue(HKEY key, const wchar_t* name);
// Returns the default whenever the stored string is missing, unreadable or empty.
std::wstring ReadStringValue(HKEY key, const wchar_t* name, const std::wstring& defaultValue);

void WriteIntegerValue(HKEY key, const wchar_t* name, int value);
void WriteBoolValue(HKEY key, const wchar_t* name, bool value);
void WriteStringValue(HKEY key, const wchar_t* name, const std::wstring& value);

}  // namespace platform
