// Names compared as the user's locale compares them, ignoring case.
#pragma once

#include "core/name_collation.h"

namespace platform {

class TUserLocaleCollation final : public core::INameCollation {
public:
    int Compare(const std::wstring& a, const std::wstring& b) const override;
    core::TSortKey SortKey(const std::wstring& text) const override;
};

}  // namespace platform
