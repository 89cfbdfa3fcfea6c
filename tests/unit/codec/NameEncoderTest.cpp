#include "core/codec/GameCodec.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Encoded {
    bool ok;
    Bytes field;
};

Encoded encode(std::string_view text, std::size_t length, std::uint8_t fill = 0x00)
{
    Encoded result{false, Bytes(length, fill)};
    result.ok = GameCodec::encodeName(result.field, text);
    return result;
}

TEST(NameEncoder, FieldEndsWithTerminator)
{
    const Encoded abc = encode("ABC", 11);
    EXPECT_TRUE(abc.ok);
    EXPECT_EQ(abc.field, (Bytes{0xBB, 0xBC, 0xBD, 0xFF, 0, 0, 0, 0, 0, 0, 0xFF}));

    const Encoded cut = encode("あいうえおかきくけこさ", 11);
    EXPECT_TRUE(cut.ok);
    EXPECT_EQ(cut.field, (Bytes{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0xFF}));

    // Bytes between the two terminators are the caller's.
    EXPECT_EQ(encode("A", 4, 0x11).field, (Bytes{0xBB, 0xFF, 0x11, 0xFF}));
}

TEST(NameEncoder, FullWidthAndAsciiPairs)
{
    EXPECT_EQ(encode("Ａ１", 4).field, (Bytes{0xBB, 0xA2, 0xFF, 0xFF}));
    EXPECT_EQ(encode("A1", 4).field, (Bytes{0xBB, 0xA2, 0xFF, 0xFF}));
    EXPECT_EQ(encode("a;b", 5).field, (Bytes{0xF4, 0xD6, 0xFF, 0x00, 0xFF}));
    EXPECT_EQ(encode("a:b", 5).field, (Bytes{0xD5, 0x00, 0xD6, 0xFF, 0xFF}));
    EXPECT_EQ(encode("円|>♂", 5).field, (Bytes{0xB7, 0xEF, 0xB5, 0xFF, 0xFF}));
}

TEST(NameEncoder, RefusesTextsWithNothingToEncode)
{
    const Encoded empty = encode("", 6);
    EXPECT_FALSE(empty.ok);
    EXPECT_EQ(empty.field[0], 0xFF);
    EXPECT_FALSE(encode("\x84\x40\x85\x41", 6).ok);
    EXPECT_FALSE(encode("A", 0).ok);
}

TEST(NameEncoder, UnknownLeadDropsTwoBytesAndLeavesAGap)
{
    // A half-width katakana byte takes the letter after it along.
    const Encoded result = encode("\xB1" "AB", 6);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.field, (Bytes{0x00, 0xBC, 0xFF, 0x00, 0x00, 0xFF}));
}

TEST(NameEncoder, TruncatedTextsStayInsideTheInput)
{
    // Exactly sized buffers, so that a read past their end is caught by the sanitizer.
    const std::vector<char> lead = {'A', '\x82'};
    EXPECT_EQ(encode({lead.data(), lead.size()}, 6).field, (Bytes{0xBB, 0x00, 0xFF, 0, 0, 0xFF}));
    const std::vector<char> unknown = {'A', '\x85'};
    EXPECT_EQ(encode({unknown.data(), unknown.size()}, 6).field, (Bytes{0xBB, 0x00, 0xFF, 0, 0, 0xFF}));
    const std::vector<char> accent = {'a'};
    EXPECT_EQ(encode({accent.data(), accent.size()}, 3).field, (Bytes{0xD5, 0xFF, 0xFF}));
    // A zero byte ends the text even inside the view.
    EXPECT_EQ(encode(std::string_view("A\0B", 3), 4).field, (Bytes{0xBB, 0xFF, 0x00, 0xFF}));
}

} // namespace
