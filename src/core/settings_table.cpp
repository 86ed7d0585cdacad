#include "core/settings_table.h"

namespace core {

std::wstring SettingsKeyPath(std::wstring_view company, std::wstring_view product, unsigned major,
                             unsigned minor, unsigned release) {
    std::wstring path = L"Software\\";
    path += company;
    path += L'\\';
    path += product;
    path += L'\\';
    path += std::to_wstring(major) + L'.' + std::to_wstring(minor) + L'.' + std::to_wstring(release);
    return path;
}

std::wstring FolderOf(std::wstring_view fullName) {
    auto slash = fullName.find_last_of(L"\\/:");
    if (slash == std::wstring_view::npos) return {};
    return std::wstring(fullName.substr(0, slash + 1));
}

}  // namespace core
