#include "platform/name_collation.h"

#include <windows.h>

namespace platform {

int TUserLocaleCollation::Compare(const std::wstring& a, const std::wstring& b) const {
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), int(a.size()), b.c_str(), int(b.size())) - 2;
}

core::TSortKey TUserLocaleCollation::SortKey(const std::wstring& text) const {
    // The key's byte order is the order CompareStringW gives for the same flags.
    int size = LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, text.c_str(), int(text.size()),
                            nullptr, 0);
    core::TSortKey key(size > 0 ? size : 0, '\0');
    if (size > 0)
        LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, text.c_str(), int(text.size()),
                     reinterpret_cast<wchar_t*>(key.data()), size);
    // The key ends with a NUL byte that is not part of the order.
    while (!key.empty() && key.back() == '\0') key.pop_back();
    return key;
}

}  // namespace platform
