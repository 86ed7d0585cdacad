#include "core/registry_codec.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace core;

namespace {
Bytes B(std::initializer_list<int> v) {
    Bytes b;
    for (int x : v) b.push_back(std::uint8_t(x));
    return b;
}
}  // namespace

TEST(IntegerCodec, AcceptsOnlyFourByteDWords) {
    struct Case { RegType type; Bytes data; std::optional<std::int32_t> want; };
    const Case cases[] = {
        {RegType::DWord, B({20, 0, 0, 0}), 20},
        {RegType::DWord, B({0xFF, 0xFF, 0xFF, 0xFF}), -1},
        {RegType::DWord, B({0x2C, 0x01, 0, 0}), 300},
        {RegType::Sz, B({'2', 0, '0', 0, 0, 0}), std::nullopt},   // "20" as a string
        {RegType::Binary, B({20, 0, 0, 0}), std::nullopt},
        {RegType::DWord, B({20, 0, 0}), std::nullopt},
        {RegType::DWord, B({20, 0, 0, 0, 0, 0, 0, 0}), std::nullopt},  // a QWORD-sized value
        {RegType::DWord, B({}), std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeInteger(c.type, c.data), c.want);
    EXPECT_EQ(EncodeInteger(-2), B({0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST(BoolCodec, NonZeroIsTrueAndTrueIsWrittenAsOne) {
    EXPECT_EQ(DecodeBool(RegType::DWord, B({5, 0, 0, 0})), true);
    EXPECT_EQ(DecodeBool(RegType::DWord, B({0, 0, 0, 0})), false);
    EXPECT_EQ(DecodeBool(RegType::DWord, B({0, 0, 0, 0x80})), true);
    EXPECT_EQ(DecodeBool(RegType::Sz, B({'1', 0, 0, 0})), std::nullopt);
    EXPECT_EQ(EncodeBool(*DecodeBool(RegType::DWord, B({5, 0, 0, 0}))), B({1, 0, 0, 0}));
    EXPECT_EQ(EncodeBool(false), B({0, 0, 0, 0}));
}

TEST(StringCodec, TakesRegSzOfEvenSizeAboveTwo) {
    struct Case { RegType type; Bytes data; std::optional<std::wstring> want; };
    const Case cases[] = {
        {RegType::Sz, B({'a', 0, 'b', 0, 0, 0}), L"ab"},
        {RegType::Sz, B({0, 0}), std::nullopt},                       // stored empty string
        {RegType::Sz, B({}), std::nullopt},
        {RegType::Sz, B({'a', 0, 0}), std::nullopt},                  // odd size
        {RegType::ExpandSz, B({'a', 0, 0, 0}), std::nullopt},
        {RegType::MultiSz, B({'a', 0, 0, 0}), std::nullopt},
        {RegType::Sz, B({'a', 0, 'b', 0}), L"a"},                     // the last unit is the terminator
        {RegType::Sz, B({0xAC, 0x20, 0, 0}), L"\u20AC"},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeString(c.type, c.data), c.want);
    EXPECT_EQ(EncodeString(L"ab"), B({'a', 0, 'b', 0, 0, 0}));
    EXPECT_EQ(EncodeString(L""), B({0, 0}));
}

TEST(FloatCodec, ExtendedLayoutOfKnownValues) {
    struct Case { double value; Bytes bytes; };
    const Case cases[] = {
        {0.5, B({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x3F})},
        {0.25, B({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFD, 0x3F})},
        {1.0, B({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F})},
        {0.75, B({0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFE, 0x3F})},
        {0.0, B({0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
        {-2.0, B({0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeFloat(c.value), c.bytes) << c.value;
        EXPECT_EQ(DecodeFloat(RegType::Binary, c.bytes), c.value);
    }
}

TEST(FloatCodec, AcceptsOnlyTenByteBinary) {
    Bytes eight = B({0, 0, 0, 0, 0, 0, 0xE8, 0x3F});  // 0.75 as a double
    EXPECT_EQ(DecodeFloat(RegType::Binary, eight), std::nullopt);
    EXPECT_EQ(DecodeFloat(RegType::DWord, EncodeFloat(0.5)), std::nullopt);
    Bytes eleven = EncodeFloat(0.5);
    eleven.push_back(0);
    EXPECT_EQ(DecodeFloat(RegType::Binary, eleven), std::nullopt);
}

TEST(FloatCodec, EveryTrackBarPositionSurvivesTheRoundTrip) {
    for (int position = 0; position <= 100; ++position) {
        double stored = *DecodeFloat(RegType::Binary, EncodeFloat(position / 100.0));
        EXPECT_EQ(std::lround(stored * 100), position);
        EXPECT_EQ(stored, position / 100.0);
    }
}

TEST(FloatCodec, ValuesOutsideDoubleAreMappedNotTrapped) {
    Extended inf{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F};
    EXPECT_TRUE(std::isinf(DecodeExtended(inf)));
    Extended nan{0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F};
    EXPECT_TRUE(std::isnan(DecodeExtended(nan)));
    Extended huge{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x6F};  // 2^12288
    EXPECT_TRUE(std::isinf(DecodeExtended(huge)));
    Extended tiny{0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0x10};  // 2^-12287
    EXPECT_EQ(DecodeExtended(tiny), 0.0);
}

TEST(StringListCodec, DecodesTheListWalk) {
    using L = std::vector<std::wstring>;
    struct Case { const char* what; RegType type; Bytes data; L want; };
    const Case cases[] = {
        {"two items", RegType::MultiSz, B({'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0}), L{L"a", L"b"}},
        {"no list terminator", RegType::MultiSz, B({'a', 0, 0, 0, 'b', 0, 0, 0}), L{L"a", L"b"}},
        {"last item unterminated", RegType::MultiSz, B({'a', 0, 0, 0, 'b', 0, 'c', 0}), L{L"a", L"bc"}},
        {"single unterminated", RegType::MultiSz, B({'a', 0, 'b', 0}), L{L"ab"}},
        {"empty list", RegType::MultiSz, B({0, 0}), L{}},
        {"empty first item kept", RegType::MultiSz, B({0, 0, 0, 0}), L{L""}},
        {"empty item ends it", RegType::MultiSz, B({'a', 0, 0, 0, 0, 0, 'b', 0, 0, 0, 0, 0}), L{L"a"}},
        {"odd size", RegType::MultiSz, B({'a', 0, 0, 0, 0}), L{}},
        {"size 1", RegType::MultiSz, B({'a'}), L{}},
        {"wrong type", RegType::Sz, B({'a', 0, 0, 0, 0, 0}), L{}},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeStringList(c.type, c.data), c.want) << c.what;
}

TEST(StringListCodec, EncodesWithOneNulPerItemAndOneMore) {
    EXPECT_EQ(EncodeStringList({L"a", L"b"}), B({'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0}));
    EXPECT_EQ(EncodeStringList({}), B({0, 0}));
    std::vector<std::wstring> paths{L"C:\\Users\\Me\\Start Menu\\x.lnk", L"\u00e9t\u00e9.txt"};
    EXPECT_EQ(DecodeStringList(RegType::MultiSz, EncodeStringList(paths)), paths);
}
