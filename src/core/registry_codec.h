// Conversions between setting values and the bytes the registry stores for them.
// Pure functions: the Win32 side only moves these bytes in and out of the registry.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace core {

// Registry value types, with the numbers Windows gives them.
enum class RegType : std::uint32_t {
    None = 0,
    Sz = 1,
    ExpandSz = 2,
    Binary = 3,
    DWord = 4,
    MultiSz = 7,
};

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

// Integer and Boolean: a REG_DWORD of exactly 4 bytes, little-endian, signed.
std::optional<std::int32_t> DecodeInteger(RegType type, ByteView data);
Bytes EncodeInteger(std::int32_t value);
// Any non-zero value is True; True is written as 1.
std::optional<bool> DecodeBool(RegType type, ByteView data);
Bytes EncodeBool(bool value);

// String: REG_SZ only, an even size above 2 bytes; the last stored unit is the terminator and is
// dropped. Anything else (other types, odd sizes, a stored empty string) gives no value.
std::optional<std::wstring> DecodeString(RegType type, ByteView data);
// UTF-16LE text followed by one NUL: (length + 1) * 2 bytes.
Bytes EncodeString(const std::wstring& value);

// Float: REG_BINARY of exactly 10 bytes holding an x87 80-bit extended value.
using Extended = std::array<std::uint8_t, 10>;
Extended EncodeExtended(double value);
double DecodeExtended(const Extended& bytes);
std::optional<double> DecodeFloat(RegType type, ByteView data);
Bytes EncodeFloat(double value);

// String list: REG_MULTI_SZ, each item followed by a NUL and one more NUL ending the list.
// Odd sizes, sizes of 2 or less and other types give an empty list; a last item without its
// terminator is cut at the end of the data; nothing is read past the end.
std::vector<std::wstring> DecodeStringList(RegType type, ByteView data);
Bytes EncodeStringList(const std::vector<std::wstring>& items);

// UTF-16LE units to and from text (one wchar_t per unit).
std::wstring Utf16FromBytes(ByteView data);
Bytes BytesFromUtf16(const std::wstring& text);

}  // namespace core
