#include "core/codec/GameCodec.h"
#include "core/codec/TextEncoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_view_literals;
using Bytes = std::vector<std::uint8_t>;
using Unit = GameCodec::Unit;

// The text copied into a buffer of exactly its size, so that a read past its end is caught by
// the sanitizer.
std::string_view exact(std::vector<char>& buffer, std::string_view text)
{
    buffer.assign(text.begin(), text.end());
    return {buffer.data(), buffer.size()};
}

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

TEST(Decode, CellsAreTheirShiftJisTextsAndTheTerminatorFollowsTheDisplayMode)
{
    GameCodec codec;
    for (const Cell& cell : kCells)
        EXPECT_EQ(codec.decode(cell.code), cell.bytes) << "code " << int(cell.code);

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
            ASSERT_EQ(GameCodec::classify(b0, text[1]), Unit::TwoByte) << code;
            EXPECT_EQ(GameCodec::pairLookup(b0, text[1]), code);
            ++pairs;
        } else if (text.size() == 1) {
            ASSERT_EQ(GameCodec::classify(b0, 0), Unit::OneByte) << code;
            EXPECT_EQ(GameCodec::singleLookup(b0), code);
            ++singles;
        }
    }
    EXPECT_EQ(pairs, 181);
    EXPECT_EQ(singles, 64);
}

TEST(Lookup, UnitLengthsAndPairsOutsideTheDecodeTable)
{
    const struct {
        std::uint8_t b0, b1;
        Unit unit;
    } units[] = {
        {0x0D, 0x0A, Unit::TwoByte}, {'@', 0x0D, Unit::TwoByte}, {'|', '>', Unit::TwoByte},
        {0x89, 0x00, Unit::TwoByte}, {'u', ';', Unit::TwoByte}, {0x84, 0x40, Unit::UnknownLead},
        {0xB1, ';', Unit::UnknownLead}, {'b', ';', Unit::OneByte}, {'l', '>', Unit::OneByte},
        {'@', '\n', Unit::OneByte},
    };
    for (const auto& u : units)
        EXPECT_EQ(GameCodec::classify(u.b0, u.b1), u.unit) << int(u.b0) << " " << int(u.b1);

    // The last four are known units without a code of their own.
    const struct {
        std::uint8_t b0, b1, code;
    } pairs[] = {
        {0x82, 0x4F, 0xA1}, {0x82, 0x60, 0xBB}, {0x82, 0x81, 0xD5}, {0x82, 0x9A, 0xEE},
        {0x81, 0x49, 0xAB}, {0x81, 0x48, 0xAC}, {'|', '>', 0xEF}, {'A', ';', 0xF1},
        {'u', ';', 0xF6}, {0x81, 0x40, 0x00}, {'@', 0x0D, 0x00}, {0x82, 0x00, 0x00},
        {'l', '>', 0x00},
    };
    for (const auto& p : pairs)
        EXPECT_EQ(GameCodec::pairLookup(p.b0, p.b1), p.code) << int(p.b0) << " " << int(p.b1);

    // ';' pairs with the six accented letters and with no other byte.
    for (int b0 = 0; b0 <= 0xFF; ++b0) {
        const std::size_t letter = std::string_view("AOUaou").find(static_cast<char>(b0));
        EXPECT_EQ(GameCodec::pairLookup(b0, ';'), letter == std::string_view::npos ? 0x00 : 0xF1 + letter) << b0;
    }

    EXPECT_EQ(GameCodec::singleLookup('/'), 0xBA);
    for (char c : {' ', ':', ';', '.', '@', '\r', '\0'})
        EXPECT_EQ(GameCodec::singleLookup(c), 0x00) << int(c);
}

TEST(NameEncoder, FieldsEndWithTheTerminatorAndTheBytesBetweenAreTheCallers)
{
    const struct {
        std::string_view text;
        std::size_t length;
        std::uint8_t fill;
        Bytes field;
    } cases[] = {
        {"ABC", 11, 0x00, {0xBB, 0xBC, 0xBD, 0xFF, 0, 0, 0, 0, 0, 0, 0xFF}},
        {"あいうえおかきくけこさ", 11, 0x00, {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0xFF}},
        {"A", 4, 0x11, {0xBB, 0xFF, 0x11, 0xFF}},
        // Full-width and ASCII pairs.
        {"Ａ１", 4, 0x00, {0xBB, 0xA2, 0xFF, 0xFF}},
        {"A1", 4, 0x00, {0xBB, 0xA2, 0xFF, 0xFF}},
        {"a;b", 5, 0x00, {0xF4, 0xD6, 0xFF, 0x00, 0xFF}},
        {"a:b", 5, 0x00, {0xD5, 0x00, 0xD6, 0xFF, 0xFF}},
        {"円|>♂", 5, 0x00, {0xB7, 0xEF, 0xB5, 0xFF, 0xFF}},
        // A half-width katakana byte takes the letter after it along and leaves a gap.
        {"\xB1" "AB", 6, 0x00, {0x00, 0xBC, 0xFF, 0x00, 0x00, 0xFF}},
        // Texts cut inside a unit, and a zero byte that ends the text inside the view.
        {"A\x82", 6, 0x00, {0xBB, 0x00, 0xFF, 0, 0, 0xFF}},
        {"A\x85", 6, 0x00, {0xBB, 0x00, 0xFF, 0, 0, 0xFF}},
        {"a", 3, 0x00, {0xD5, 0xFF, 0xFF}},
        {"A\0B"sv, 4, 0x00, {0xBB, 0xFF, 0x00, 0xFF}},
    };
    std::vector<char> buffer;
    for (const auto& c : cases) {
        Bytes field(c.length, c.fill);
        EXPECT_TRUE(GameCodec::encodeName(field, exact(buffer, c.text))) << c.text;
        EXPECT_EQ(field, c.field) << c.text;
    }

    // Nothing to encode: refused.
    Bytes field(6, 0x00);
    EXPECT_FALSE(GameCodec::encodeName(field, ""));
    EXPECT_EQ(field[0], 0xFF);
    EXPECT_FALSE(GameCodec::encodeName(field, "\x84\x40\x85\x41"));
    EXPECT_FALSE(GameCodec::encodeName({}, "A"));

    // A text longer than its field stops before the field's last byte, which ends it.
    Bytes wide(7, 0x77);
    EXPECT_TRUE(GameCodec::encodeName(std::span(wide).first(5), "ABCDEFG"));
    EXPECT_EQ(wide, (Bytes{0xBB, 0xBC, 0xBD, 0xBE, 0xFF, 0x77, 0x77}));
}

TEST(TextEncoder, WrittenBytesFollowTheLimit)
{
    const struct {
        std::string_view text;
        int limit;
        Bytes bytes;
    } cases[] = {
        // Loaded as two codes and "終": saved unchanged, the terminator lands at the limit.
        {"あい終", 2, {0x01, 0x02, 0xFF}},
        {"い終", 2, {0x02, 0xFF, 0xFF}},
        {"あ終", 5, {0x01, 0xFF, 0x00, 0x00}},
        {"あい", 3, {0x01, 0x02, 0xFF}},
        {"あいう", 2, {0x01, 0x02, 0xFF}},
        // Without "終": ended by 0xFF, so that the old remainder in the ROM does not run on
        // after it, and without the end code 0x00, which the game shows as a full-width space.
        {"あ", 5, {0x01, 0xFF}},
        {"", 5, {0xFF}},
        // "終" in the middle already ends the text for the game.
        {"あ終い", 9, {0x01, 0xFF, 0x02, 0x00, 0x00}},
        {"あ", 0, {0xFF}},
        {"あ", -7, {0xFF}},
        {"@\r\n^\r\n\r\nA;", 10, {0xFA, 0xFB, 0xFE, 0xF1, 0xFF}},
        // Without its line feed "@" CR is a two-byte unit of no code.
        {"@\rA", 10, {0x00, 0xBB, 0xFF}},
        {"\x85" "AB", 10, {0xBB, 0xBC, 0xFF}},
        // Texts cut inside a unit.
        {"A\x82", 10, {0xBB, 0x00, 0xFF}},
        {"@\r", 10, {0x00, 0xFF}},
        {"a", 10, {0xD5, 0xFF}},
    };
    std::vector<char> buffer;
    for (const auto& c : cases)
        EXPECT_EQ(encodeText(exact(buffer, c.text), c.limit), c.bytes) << c.text << " " << c.limit;

    // The buffer cuts a long text; only the first 2047 characters count.
    Bytes expected(299, 0xBB);
    expected.push_back(0xFF);
    EXPECT_EQ(encodeText(std::string(400, 'A'), 300), expected);
    EXPECT_EQ(encodeText(std::string(2047, '\x85') + "A", 10), (Bytes{0xFF}));
}

} // namespace
