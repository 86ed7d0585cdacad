#include "core/error_text.h"

namespace core {

std::wstring TrimErrorText(std::wstring text) {
    while (!text.empty() && (static_cast<unsigned>(text.back()) <= 32 || text.back() == L'.'))
        text.pop_back();
    return text;
}

}  // namespace core
