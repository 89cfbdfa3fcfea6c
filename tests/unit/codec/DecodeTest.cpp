#include "core/codec/GameCodec.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

namespace {

struct Cell {
    std::uint8_t code;
    std::string_view bytes;
};

// Row ends and every irregular cell, as CP932 bytes.
constexpr Cell kCells[] = {
    {0x00, "\x81\x40"}, {0x01, "\x82\xA0"}, {0x0F, "\x82\xBB"}, {0x1F, "\x82\xDC"},
    {0x20, "\x82\xDD"}, {0x2E, "\x82\xF1"}, {0x2F, "\x82\x9F"}, {0x37, "\x82\xAA"},
    {0x3F, "\x82\xBA"}, {0x40, "\x82\xBC"}, {0x4F, "\x82\xDB"}, {0x50, "\x82\xC1"},
    {0x51, "\x83\x41"}, {0x5F, "\x83\x5C"}, {0x60, "\x83\x5E"}, {0x6F, "\x83\x7D"},
    {0x70, "\x83\x7E"}, {0x7E, "\x83\x93"}, {0x7F, "\x83\x40"}, {0x8F, "\x83\x5B"},
    {0x90, "\x83\x5D"}, {0x9F, "\x83\x7C"}, {0xA0, "\x83\x62"}, {0xA1, "0"},
    {0xAA, "9"}, {0xAB, "!"}, {0xAC, "?"}, {0xAD, "\x81\x42"},
    {0xAE, "\x81\x5B"}, {0xAF, "\x81\x45"}, {0xB0, "\x81\x63"}, {0xB1, "\x81\x77"},
    {0xB2, "\x81\x78"}, {0xB3, "\x81\x75"}, {0xB4, "\x81\x76"}, {0xB5, "\x81\x89"},
    {0xB6, "\x81\x8A"}, {0xB7, "\x89\x7E"}, {0xB8, "\x81\x44"}, {0xB9, "\x81\x7E"},
    {0xBA, "\x81\x5E"}, {0xBB, "A"}, {0xD4, "Z"}, {0xD5, "a"},
    {0xEE, "z"}, {0xEF, "l>"}, {0xF0, "\x81\x46"}, {0xF1, "A:"},
    {0xF2, "O:"}, {0xF3, "U:"}, {0xF4, "a:"}, {0xF5, "o:"},
    {0xF6, "u:"}, {0xF7, "\x81\xAA"}, {0xF8, "\x81\xAB"}, {0xF9, "\x81\xA9"},
    {0xFA, "@\r\n"}, {0xFB, "^\r\n"}, {0xFC, "\x81\x9A"}, {0xFD, "\x81\xA5"},
    {0xFE, "\r\n"}, {0xFF, "\x8F\x49"},
};

TEST(Decode, CellsAreTheirShiftJisTexts)
{
    const GameCodec codec;
    for (const Cell& cell : kCells)
        EXPECT_EQ(codec.decode(cell.code), cell.bytes) << "code " << int(cell.code);
}

TEST(Decode, TerminatorFollowsTheDisplayMode)
{
    GameCodec codec;
    const std::uint8_t field[] = {0xBB, 0xBC, 0xBD, 0xFF, 0x00, 0x00, 0x00};
    EXPECT_EQ(codec.decodeField(field), "ABC\x8F\x49\x81\x40\x81\x40\x81\x40");
    codec.setTerminatorHidden(true);
    EXPECT_EQ(codec.decode(0xFF), "");
    EXPECT_EQ(codec.decodeField(field), "ABC\x81\x40\x81\x40\x81\x40");
    codec.setTerminatorHidden(false);
    EXPECT_EQ(codec.decode(0xFF), "\x8F\x49");
}

// Every full-width cell comes back through the pair table and every half-width one through
// the single table; the counts catch a lead byte the classifier or the pair table forgot.
TEST(Decode, TableCharactersEncodeBackToTheirCodes)
{
    const GameCodec codec;
    int pairs = 0;
    int singles = 0;
    for (int code = 0x01; code <= 0xFF; ++code) {
        const std::string_view text = codec.decode(static_cast<std::uint8_t>(code));
        const auto b0 = static_cast<std::uint8_t>(text[0]);
        if (text.size() == 2 && b0 >= 0x81) {
            ASSERT_EQ(GameCodec::classify(b0, text[1]), GameCodec::Unit::TwoByte) << code;
            EXPECT_EQ(GameCodec::pairLookup(b0, text[1]), code);
            ++pairs;
        } else if (text.size() == 1) {
            ASSERT_EQ(GameCodec::classify(b0, 0), GameCodec::Unit::OneByte) << code;
            EXPECT_EQ(GameCodec::singleLookup(b0), code);
            ++singles;
        }
    }
    EXPECT_EQ(pairs, 181);
    EXPECT_EQ(singles, 64);
}

} // namespace
