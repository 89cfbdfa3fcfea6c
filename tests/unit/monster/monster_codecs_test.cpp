#include "pages/monster/DexDescription.h"
#include "pages/monster/DexNumber.h"
#include "pages/monster/LevelUpList.h"
#include "pages/monster/TmHmRecord.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

TEST(LevelUpList, EntriesPackTheMoveAndTheLevel)
{
    const Bytes list = {0x05, 0x0A, 0x21, 0x14, 0xFF, 0xFF};
    EXPECT_EQ(level_up_list::entry(list, 0).move, 5);
    EXPECT_EQ(level_up_list::entry(list, 0).level, 5);
    EXPECT_EQ(level_up_list::entry(list, 1).move, 33);
    EXPECT_EQ(level_up_list::entry(list, 1).level, 10);

    Bytes stored(2);
    level_up_list::setEntry(stored, 0, {300, 50});
    EXPECT_EQ(stored, (Bytes{0x2C, 0x65}));
    Bytes swapped = {1, 2, 3, 4};
    level_up_list::swapEntries(swapped, 0, 1);
    EXPECT_EQ(swapped, (Bytes{3, 4, 1, 2}));
}

TEST(LevelUpList, CountsUpToTheFirstTwoEndBytesInARow)
{
    EXPECT_EQ(level_up_list::countEntries(Bytes{0x05, 0x0A, 0x21, 0x14, 0xFF, 0xFF, 0x07, 0x02}), 2);
    EXPECT_EQ(level_up_list::countEntries(Bytes{0xFF, 0xFF}), 0);
    // Two 0xFF across two entries end the count too.
    EXPECT_EQ(level_up_list::countEntries(Bytes{0x01, 0xFF, 0xFF, 0x02}), 0);
    EXPECT_EQ(level_up_list::countEntries(Bytes(200, 0x01)), 99);
    EXPECT_EQ(level_up_list::countEntries(Bytes(150, 0x01)), 0);

    EXPECT_EQ(level_up_list::entriesBeforeEnd(Bytes{0x05, 0x0A, 0xFF, 0xFF, 0x21, 0x14}), 1u);
    EXPECT_EQ(level_up_list::entriesBeforeEnd(Bytes{0x05, 0x0A, 0x21, 0x14}), 2u);
}

TEST(LevelUpList, CacheKeysAndValues)
{
    EXPECT_EQ(level_up_list::cacheKey(0xC810), "0x0000C810");
    EXPECT_EQ(level_up_list::cachedCount("5", 100), 5);
    EXPECT_EQ(level_up_list::cachedCount(" 12abc", 100), 12);
    EXPECT_EQ(level_up_list::cachedCount("", 100), std::nullopt);
    EXPECT_EQ(level_up_list::cachedCount("-3", 100), std::nullopt);
    EXPECT_EQ(level_up_list::cachedCount("101", 100), std::nullopt);
    EXPECT_EQ(level_up_list::cachedCount("99999999999999999999", 100), std::nullopt);
}

TEST(DexNumber, MapsEveryRangeOfMonsterIndexes)
{
    EXPECT_EQ(dex_number::forMonster(0), 0u);
    EXPECT_EQ(dex_number::forMonster(251), 251u);
    EXPECT_EQ(dex_number::forMonster(252), 0u);
    EXPECT_EQ(dex_number::forMonster(276), 0u);
    EXPECT_EQ(dex_number::forMonster(277), 252u);
    EXPECT_EQ(dex_number::forMonster(300), 275u);
    EXPECT_EQ(dex_number::forMonster(301), 290u);
    EXPECT_EQ(dex_number::forMonster(358), 333u);
    EXPECT_EQ(dex_number::forMonster(359), 334u);
    EXPECT_EQ(dex_number::forMonster(411), 358u);
    EXPECT_EQ(dex_number::forMonster(412), 0u);
}

TEST(DexDescription, MeasuresDecodesAndEncodesWithinItsLength)
{
    EXPECT_EQ(dex_description::measure(Bytes{0x01, 0x02, 0xFF, 0x03}), 3u);
    EXPECT_EQ(dex_description::measure(Bytes{0x01, 0x02}), 2u);
    // "ア" CR LF "イ" with the line break byte, then the end.
    EXPECT_EQ(dex_description::decode(Bytes{0x51, 0xFE, 0x52}), "ア\r\nイ");
    EXPECT_EQ(dex_description::encode("ア\r\nイ", 5), (Bytes{0x51, 0xFE, 0x52, 0x00, 0xFF}));
    // A text longer than the length is cut before the last byte.
    EXPECT_EQ(dex_description::encode("アイウエオカ", 4), (Bytes{0x51, 0x52, 0x53, 0xFF}));
    // "@" CR LF is one byte again, so an unchanged text saves as it was read.
    const Bytes read = {0x51, 0xFA, 0x52, 0xFF};
    EXPECT_EQ(dex_description::encode(dex_description::decode(read), 4), read);
    EXPECT_GE(dex_description::longestDecoding(10), dex_description::decode(Bytes(10, 0xFA)).size());
    EXPECT_TRUE(dex_description::encode("ア", 0).empty());
}

TEST(TmHmRecord, BitsAreTheBoxesInOrder)
{
    const tm_hm_record::Record record = {0x01, 0, 0, 0, 0, 0, 0, 0x02};
    const tm_hm_record::Checks checks = tm_hm_record::checksOf(record);
    for (std::size_t k = 0; k < checks.size(); ++k)
        EXPECT_EQ(checks[k], k == 0 || k == 57 ? 1 : 0) << k;

    tm_hm_record::Checks hm1{};
    hm1[50] = 1;
    EXPECT_EQ(tm_hm_record::recordOf(hm1), (tm_hm_record::Record{0, 0, 0, 0, 0, 0, 0x04, 0}));
    // Bits 58 to 63 do not survive a round trip.
    EXPECT_EQ(tm_hm_record::recordOf(tm_hm_record::checksOf({0, 0, 0, 0, 0, 0, 0, 0xFF})),
              (tm_hm_record::Record{0, 0, 0, 0, 0, 0, 0, 0x03}));
}
