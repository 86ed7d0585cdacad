#include "app/version_info.h"

#include <windows.h>

#include <cstdio>
#include <vector>

bool QueryVersionString(const void* block, const std::wstring& prefix, const wchar_t* name, std::wstring& value) {
    std::wstring path = prefix + name;
    wchar_t* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block, path.c_str(), reinterpret_cast<void**>(&text), &length) || !text || length <= 1)
        return false;
    value.assign(text, length - 1);
    return true;
}

bool ReadVersionInfo(const std::wstring& fileName, TVersionInfo& info) {
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(fileName.c_str(), &handle);
    if (size == 0) return false;
    std::vector<std::uint8_t> block(size);
    if (!GetFileVersionInfoW(fileName.c_str(), 0, size, block.data())) return false;

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed ||
        length != sizeof(VS_FIXEDFILEINFO))
        return false;
    info.Major = HIWORD(fixed->dwProductVersionMS);
    info.Minor = LOWORD(fixed->dwProductVersionMS);
    info.Release = HIWORD(fixed->dwProductVersionLS);
    info.Build = LOWORD(fixed->dwProductVersionLS);

    WORD* translation = nullptr;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                        &length) ||
        !translation || length < 4)
        return false;
    wchar_t prefix[64];
    swprintf(prefix, 64, L"\\StringFileInfo\\%.4x%.4x\\", translation[0], translation[1]);

    return QueryVersionString(block.data(), prefix, L"ProductName", info.ProductName) &&
           QueryVersionString(block.data(), prefix, L"CompanyName", info.CompanyName);
}
