#include "pages/monster/DexDescription.h"
#include "pages/monster/DexNumber.h"
#include "pages/monster/LevelUpList.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

// Entry packing, swapping and the cache key are pinned by the page cases of the level-up list,
// the TM/HM bits by those of the TM/HM window; here are the edges those cases do not reach.
using Bytes = std::vector<std::uint8_t>;

TEST(LevelUpList, CountsUpToTheFirstTwoEndBytesInARow)
{
    const std::vector<std::pair<Bytes, int>> counts = {
        {{0x05, 0x0A, 0x21, 0x14, 0xFF, 0xFF, 0x07, 0x02}, 2}, {{0xFF, 0xFF}, 0},
        {{0x01, 0xFF, 0xFF, 0x02}, 0}, // two 0xFF across two entries end the count too
        {Bytes(200, 0x01), 99},        // no end in the whole window
        {Bytes(150, 0x01), 0},         // the file ended before the window did
    };
    for (const auto& [bytes, count] : counts)
        EXPECT_EQ(level_up_list::countEntries(bytes), count) << bytes.size();
    EXPECT_EQ(level_up_list::entriesBeforeEnd(Bytes{0x05, 0x0A, 0xFF, 0xFF, 0x21, 0x14}), 1u);
    EXPECT_EQ(level_up_list::entriesBeforeEnd(Bytes{0x05, 0x0A, 0x21, 0x14}), 2u);
}

TEST(LevelUpList, CachedCountsAreDecimalsUpToTheHighest)
{
    const std::vector<std::pair<const char*, std::optional<int>>> values = {
        {"5", 5}, {" 12abc", 12}, {"", std::nullopt}, {"-3", std::nullopt}, {"101", std::nullopt},
        {"99999999999999999999", std::nullopt}};
    for (const auto& [text, count] : values)
        EXPECT_EQ(level_up_list::cachedCount(text, 100), count) << text;
}

TEST(DexNumber, MapsEveryRangeOfMonsterIndexes)
{
    const std::vector<std::pair<std::size_t, std::size_t>> numbers = {
        {0, 0}, {251, 251}, {252, 0}, {276, 0}, {277, 252}, {300, 275},
        {301, 290}, {358, 333}, {359, 334}, {411, 358}, {412, 0}};
    for (const auto& [monster, dexNumber] : numbers)
        EXPECT_EQ(dex_number::forMonster(monster), dexNumber) << monster;
}

TEST(DexDescription, MeasuresDecodesAndEncodesLineBreaks)
{
    EXPECT_EQ(dex_description::measure(Bytes{0x01, 0x02, 0xFF, 0x03}), 3u);
    EXPECT_EQ(dex_description::measure(Bytes{0x01, 0x02}), 2u);
    // "ア" CR LF "イ" with the line break byte, then zeros and the end.
    EXPECT_EQ(dex_description::decode(Bytes{0x51, 0xFE, 0x52}), "ア\r\nイ");
    EXPECT_EQ(dex_description::encode("ア\r\nイ", 5), (Bytes{0x51, 0xFE, 0x52, 0x00, 0xFF}));
    // "@" CR LF is one byte again, so an unchanged text saves as it was read.
    const Bytes read = {0x51, 0xFA, 0x52, 0xFF};
    EXPECT_EQ(dex_description::encode(dex_description::decode(read), 4), read);
    EXPECT_GE(dex_description::longestDecoding(10), dex_description::decode(Bytes(10, 0xFA)).size());
    EXPECT_TRUE(dex_description::encode("ア", 0).empty());
}
