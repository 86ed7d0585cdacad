#include "core/registry_codec.h"

#include <cmath>
#include <limits>

namespace core {

std::optional<std::int32_t> DecodeInteger(RegType type, ByteView data) {
    if (type != RegType::DWord || data.size() != 4) return std::nullopt;
    std::uint32_t v = std::uint32_t(data[0]) | std::uint32_t(data[1]) << 8 |
                      std::uint32_t(data[2]) << 16 | std::uint32_t(data[3]) << 24;
    return static_cast<std::int32_t>(v);
}

Bytes EncodeInteger(std::int32_t value) {
    auto v = static_cast<std::uint32_t>(value);
    return {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
}

std::optional<bool> DecodeBool(RegType type, ByteView data) {
    auto v = DecodeInteger(type, data);
    if (!v) return std::nullopt;
    return *v != 0;
}

Bytes EncodeBool(bool value) { return EncodeInteger(value ? 1 : 0); }

std::wstring Utf16FromBytes(ByteView data) {
    std::wstring text;
    text.reserve(data.size() / 2);
    for (std::size_t i = 0; i + 1 < data.size(); i += 2)
        text.push_back(static_cast<wchar_t>(data[i] | data[i + 1] << 8));
    return text;
}

Bytes BytesFromUtf16(const std::wstring& text) {
    Bytes out;
    out.reserve(text.size() * 2);
    for (wchar_t c : text) {
        auto u = static_cast<std::uint16_t>(c);
        out.push_back(std::uint8_t(u));
        out.push_back(std::uint8_t(u >> 8));
    }
    return out;
}

std::optional<std::wstring> DecodeString(RegType type, ByteView data) {
    if (type != RegType::Sz || data.size() <= 2 || data.size() % 2 != 0) return std::nullopt;
    return Utf16FromBytes(data.first(data.size() - 2));
}

Bytes EncodeString(const std::wstring& value) {
    Bytes out = BytesFromUtf16(value);
    out.push_back(0);
    out.push_back(0);
    return out;
}

Extended EncodeExtended(double value) {
    Extended out{};
    std::uint64_t significand = 0;
    std::uint16_t exponent = 0;
    bool negative = std::signbit(value);
    if (std::isnan(value)) {
        exponent = 0x7FFF;
        significand = 0xC000000000000000ull;
    } else if (std::isinf(value)) {
        exponent = 0x7FFF;
        significand = 0x8000000000000000ull;
    } else if (value != 0) {
        int e = 0;
        double m = std::frexp(std::fabs(value), &e);  // value = m * 2^e, m in [0.5, 1)
        significand = static_cast<std::uint64_t>(std::ldexp(m, 64));  // exact: m has 53 bits
        exponent = static_cast<std::uint16_t>(e - 1 + 16383);
    }
    for (int i = 0; i < 8; ++i) out[i] = std::uint8_t(significand >> (8 * i));
    std::uint16_t word = exponent | (negative ? 0x8000 : 0);
    out[8] = std::uint8_t(word);
    out[9] = std::uint8_t(word >> 8);
    return out;
}

double DecodeExtended(const Extended& bytes) {
    std::uint64_t significand = 0;
    for (int i = 0; i < 8; ++i) significand |= std::uint64_t(bytes[i]) << (8 * i);
    std::uint16_t word = std::uint16_t(bytes[8] | bytes[9] << 8);
    bool negative = (word & 0x8000) != 0;
    int exponent = word & 0x7FFF;
    double magnitude;
    if (exponent == 0x7FFF) {
        magnitude = (significand << 1) == 0 ? std::numeric_limits<double>::infinity()
                                            : std::numeric_limits<double>::quiet_NaN();
    } else {
        // Round the 64-bit significand to 53 bits first, then scale: ldexp is exact for normal
        // results, and values beyond double's range become infinity or zero.
        magnitude = std::ldexp(static_cast<double>(significand), exponent - 16383 - 63);
    }
    return negative ? -magnitude : magnitude;
}

std::optional<double> DecodeFloat(RegType type, ByteView data) {
    if (type != RegType::Binary || data.size() != 10) return std::nullopt;
    Extended e{};
    for (int i = 0; i < 10; ++i) e[i] = data[i];
    return DecodeExtended(e);
}

Bytes EncodeFloat(double value) {
    Extended e = EncodeExtended(value);
    return Bytes(e.begin(), e.end());
}

std::vector<std::wstring> DecodeStringList(RegType type, ByteView data) {
    std::vector<std::wstring> items;
    if (type != RegType::MultiSz || data.size() <= 2 || data.size() % 2 != 0) return items;
    std::wstring units = Utf16FromBytes(data);
    std::size_t pos = 0;
    const std::size_t end = units.size();
    do {
        std::size_t stop = units.find(L'\0', pos);
        if (stop == std::wstring::npos) stop = end;
        items.emplace_back(units, pos, stop - pos);
        pos = stop + 1;
    } while (pos < end && units[pos] != L'\0');
    return items;
}

Bytes EncodeStringList(const std::vector<std::wstring>& items) {
    std::wstring text;
    for (const auto& item : items) {
        text += item;
        text.push_back(L'\0');
    }
    text.push_back(L'\0');
    return BytesFromUtf16(text);
}

}  // namespace core
