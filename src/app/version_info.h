// The program's identity, read from a file's version resource.
#pragma once

#include <string>

struct TVersionInfo {
    unsigned Major = 0, Minor = 0, Release = 0, Build = 0;  // of the product version
    std::wstring ProductName;
    std::wstring CompanyName;
};

// Fails when the file has no version resource, no fixed information, no translation table, or
// no non-empty ProductName or CompanyName under its first translation.
bool ReadVersionInfo(const std::wstring& fileName, TVersionInfo& info);
// A string value of the version block under the given "\StringFileInfo\llllcccc\" prefix;
// an empty string counts as missing.
bool QueryVersionString(const void* block, const std::wstring& prefix, const wchar_t* name, std::wstring& value);
