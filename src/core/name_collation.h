// How file names and display names are compared: in the user's locale, without regard to case.
#pragma once

#include <string>

namespace core {

// A byte string whose byte order (unsigned, shorter first on a common prefix) is the comparison
// order, and whose equality is exactly the comparison's equality. Keys let sorting compare bytes
// and let lookups by name go through hash maps instead of linear searches.
using TSortKey = std::string;

class INameCollation {
public:
    virtual ~INameCollation() = default;
    // Negative, zero or positive; on Windows CompareStringW (LOCALE_USER_DEFAULT, NORM_IGNORECASE).
    virtual int Compare(const std::wstring& a, const std::wstring& b) const = 0;
    // On Windows LCMapStringW (LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE).
    virtual TSortKey SortKey(const std::wstring& text) const = 0;
};

}  // namespace core
