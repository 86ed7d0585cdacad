// Texts shown in error boxes.
#pragma once

#include <string>

namespace core {

// The system's description of an error ends in a full stop and a line break; the box shows it
// without them: every trailing character with a code of 32 or less and every trailing "." goes.
std::wstring TrimErrorText(std::wstring text);

}  // namespace core
