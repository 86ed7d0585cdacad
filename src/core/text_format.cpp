#include "core/text_format.h"

namespace core {

std::wstring FormatText(std::wstring_view format, const std::vector<std::wstring>& strings,
                        const std::vector<long long>& numbers) {
    std::wstring out;
    std::size_t nextString = 0, nextNumber = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        wchar_t c = format[i];
        if (c == L'%' && i + 1 < format.size()) {
            wchar_t kind = format[i + 1];
            if (kind == L'%') {
                out += L'%';
                ++i;
                continue;
            }
            if (kind == L's' && nextString < strings.size()) {
                out += strings[nextString++];
                ++i;
                continue;
            }
            if (kind == L'd' && nextNumber < numbers.size()) {
                out += std::to_wstring(numbers[nextNumber++]);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace core
