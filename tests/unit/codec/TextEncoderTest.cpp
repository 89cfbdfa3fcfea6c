#include "core/codec/TextEncoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(TextEncoder, WrittenBytesFollowTheLimit)
{
    // Loaded as two codes and "終": saved unchanged, the terminator lands at the limit.
    EXPECT_EQ(encodeText("あい終", 2), (Bytes{0x01, 0x02, 0xFF}));
    EXPECT_EQ(encodeText("い終", 2), (Bytes{0x02, 0xFF, 0xFF}));
    EXPECT_EQ(encodeText("あ終", 5), (Bytes{0x01, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(encodeText("あい", 3), (Bytes{0x01, 0x02, 0xFF}));
    EXPECT_EQ(encodeText("あいう", 2), (Bytes{0x01, 0x02, 0xFF}));
    // Without "終": ended by 0xFF, so that the old remainder in the ROM does not run on after
    // it, and without the end code 0x00, which the game shows as a full-width space.
    EXPECT_EQ(encodeText("あ", 5), (Bytes{0x01, 0xFF}));
    EXPECT_EQ(encodeText("", 5), (Bytes{0xFF}));
    // "終" in the middle already ends the text for the game.
    EXPECT_EQ(encodeText("あ終い", 9), (Bytes{0x01, 0xFF, 0x02, 0x00, 0x00}));
    EXPECT_EQ(encodeText("あ", 0), (Bytes{0xFF}));
    EXPECT_EQ(encodeText("あ", -7), (Bytes{0xFF}));
}

TEST(TextEncoder, LongTextIsCutAtTheBuffer)
{
    Bytes expected(299, 0xBB);
    expected.push_back(0xFF);
    EXPECT_EQ(encodeText(std::string(400, 'A'), 300), expected);
}

TEST(TextEncoder, LineBreaksAndControlUnits)
{
    EXPECT_EQ(encodeText("@\r\n^\r\n\r\nA;", 10), (Bytes{0xFA, 0xFB, 0xFE, 0xF1, 0xFF}));
    // Without its line feed "@" CR is a two-byte unit of no code.
    EXPECT_EQ(encodeText("@\rA", 10), (Bytes{0x00, 0xBB, 0xFF}));
}

TEST(TextEncoder, UnknownLeadIsDroppedAlone)
{
    EXPECT_EQ(encodeText("\x85" "AB", 10), (Bytes{0xBB, 0xBC, 0xFF}));
    // Only the first 2047 characters count: the letter after them is never reached.
    EXPECT_EQ(encodeText(std::string(2047, '\x85') + "A", 10), (Bytes{0xFF}));
}

TEST(TextEncoder, TruncatedTextsStayInsideTheInput)
{
    // Exactly sized buffers, so that a read past their end is caught by the sanitizer.
    const std::vector<char> lead = {'A', '\x82'};
    EXPECT_EQ(encodeText({lead.data(), lead.size()}, 10), (Bytes{0xBB, 0x00, 0xFF}));
    const std::vector<char> at = {'@', '\r'};
    EXPECT_EQ(encodeText({at.data(), at.size()}, 10), (Bytes{0x00, 0xFF}));
    const std::vector<char> accent = {'a'};
    EXPECT_EQ(encodeText({accent.data(), accent.size()}, 10), (Bytes{0xD5, 0xFF}));
}

} // namespace
