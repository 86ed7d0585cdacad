// Fills the "%s" and "%d" places of a format text from the string table.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace core {

// Each "%s" takes the next string, each "%d" the next number, "%%" is a percent sign; a place
// without an argument left is kept as it stands. Format texts are the program's own, but a
// string table edited by someone else can never make this read past its arguments.
std::wstring FormatText(std::wstring_view format, const std::vector<std::wstring>& strings,
                        const std::vector<long long>& numbers = {});

}  // namespace core
