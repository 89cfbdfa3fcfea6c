#include "core/TabSystem.h"
#include "pages/monster/MonsterPage.h"
#include "tests/support/PageSlots.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kNamesAt = 0x100;
constexpr std::size_t kBaseStatsAt = 0x1000;
constexpr std::size_t kEvolutionsAt = 0x4000;
constexpr std::size_t kDexAt = 0x9000;
constexpr std::size_t kLevelUpAt = 0xC000;
constexpr std::size_t kRomSize = 0xC700;

const std::string kAllKeys = "Name_Start_Pos=256\r\nMonsterBaseStats_Pos=4096\r\nMonster_Evol_Data_Pos=16384\r\n"
                             "MonsterDexData=36864\r\nLevel_Skill=49152\r\nSkill_Machine=51200\r\n";

// Never zero, so that a write of an unread byte as 0 shows.
Bytes patternRom(std::size_t size = kRomSize)
{
    Bytes rom(size);
    for (std::size_t i = 0; i < size; ++i)
        rom[i] = static_cast<std::uint8_t>(i * 7 % 251 + 1);
    return rom;
}

// The dex fields other than the category, in record order.
auto dexFields(const DexEntry& dex)
{
    return std::tuple<int, int, int, int, int, int, int>{dex.height, dex.weight, dex.descriptionOffset, dex.kept1,
                                                         dex.kept2, dex.kept3, dex.kept4};
}

class MonsterTables : public ::testing::Test {
protected:
    void SetUp() override { tabs.setProgramDirectory(dir.path()); }

    bool load(const Bytes& bytes, const std::string& keys)
    {
        writeBytes(rom, bytes);
        writeSettings(dir.path(), "AXVJ", keys);
        page.LoadSettings("AXVJ");
        return readPage(page, rom);
    }

    TempDir dir;
    std::string rom = dir.file("rom.gba");
    CTabSystem tabs;
    CSolid_Value page{tabs};
};

TEST_F(MonsterTables, ReadsEveryRecordLayout)
{
    Bytes bytes = patternRom();
    const Bytes name = {0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0x07};
    const Bytes stats = {45, 49, 50, 51, 65, 66, 12, 3, 45, 64, 0x39, 0xF4, 0x34, 0x12,
                         0x78, 0x56, 31, 20, 70, 3, 1, 7, 65, 34, 9, 0xAA, 0xBB, 0xCC};
    putBytes(bytes, kNamesAt + 411 * 6, name);
    putBytes(bytes, kBaseStatsAt + 28, stats);
    // Monster 2, slot 4: method 7, item 0x0155, target 0x019B.
    putBytes(bytes, kEvolutionsAt + 2 * 40 + 4 * 8, {0x07, 0xEE, 0x55, 0x01, 0x9B, 0x01, 0xEE, 0xEE});
    putBytes(bytes, kDexAt + 3 * 28, {0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xEE, 0x07, 0x00, 0x45, 0x02, 0xEE, 0xEE,
                                      0x56, 0x34, 0x12, 0x08, 0xEE, 0xEE, 0x22, 0x11, 0x33, 0xEE, 0x55, 0x44, 0x66});
    putBytes(bytes, kLevelUpAt + 5 * 4, {0x78, 0x56, 0x34, 0x08});
    ASSERT_TRUE(load(bytes, kAllKeys));

    EXPECT_EQ(Bytes(page.name(411).begin(), page.name(411).end()), name);
    EXPECT_EQ(Bytes(page.baseStats(1).begin(), page.baseStats(1).end()), stats);
    EXPECT_EQ(base_stats_record::effortYield(page.baseStats(1)), (base_stats_record::EffortYield{1, 2, 3, 0, 0, 1}));
    const EvolutionEntry& evolution = page.evolution(2);
    EXPECT_EQ((std::tuple<int, int, int>{evolution.methods[4], evolution.parameters[4], evolution.targets[4]}),
              (std::tuple{7, 0x0155, 0x019B}));
    EXPECT_EQ(page.dex(3).category, (std::array<std::uint8_t, 5>{0xA1, 0xA2, 0xA3, 0xA4, 0xA5}));
    EXPECT_EQ(dexFields(page.dex(3)), (std::tuple{7, 0x0245, 0x123456, 0x1122, 0x33, 0x4455, 0x66}));
    EXPECT_EQ(page.levelUpOffset(5), 0x345678u);
    EXPECT_EQ(page.tmHmOffset(), 51200);
}

TEST_F(MonsterTables, WritesOnlyTheBytesThePageOwns)
{
    const Bytes bytes = patternRom();
    ASSERT_TRUE(load(bytes, kAllKeys));
    // Unchanged records go back byte for byte: every skipped byte keeps the pattern.
    ASSERT_TRUE(writePage(page, rom));
    EXPECT_EQ(readBytes(rom), bytes);

    page.name(0)[5] = 0x42;
    base_stats_record::Record stats = page.baseStats(411);
    stats[base_stats_record::kEffortYield + 1] = 0xF0;
    base_stats_record::setEffortYield(stats, {1, 2, 3, 0, 0, 1});
    stats[base_stats_record::kFleeRate] = 0x19;
    page.evolution(1).methods[1] = 4;
    page.evolution(1).parameters[1] = 0x0A0B;
    page.evolution(1).targets[1] = 0x0C0D;
    page.dex(386) = {{1, 2, 3, 4, 5}, 0, 0x1112, 0x1314, 0x2122, 0x23, 0x2425, 0x26};
    ASSERT_TRUE(writePage(page, rom));

    Bytes expected = bytes;
    expected[kNamesAt + 5] = 0x42;
    putBytes(expected, kBaseStatsAt + 411 * 28 + 10, {0x39, 0x04});
    expected[kBaseStatsAt + 411 * 28 + 24] = 0x19;
    putBytes(expected, kEvolutionsAt + 40 + 8, {0x04});
    putBytes(expected, kEvolutionsAt + 40 + 8 + 2, {0x0B, 0x0A, 0x0D, 0x0C});
    const std::size_t dexAt = kDexAt + 386 * 28;
    putBytes(expected, dexAt, {1, 2, 3, 4, 5});
    putBytes(expected, dexAt + 6, {0x12, 0x11, 0x14, 0x13});
    putBytes(expected, dexAt + 18, {0x22, 0x21, 0x23});
    putBytes(expected, dexAt + 22, {0x25, 0x24, 0x26});
    EXPECT_EQ(readBytes(rom), expected);
}

TEST_F(MonsterTables, MissingKeysLeaveTablesOutAndAHexadecimalSettingIsOffsetZero)
{
    tabs.tables().monsterNames[0] = 0x77;
    const Bytes bytes = patternRom();
    ASSERT_TRUE(load(bytes, "MonsterBaseStats_Pos=4096\r\n"));
    EXPECT_EQ(page.nameOffset(), -1);
    EXPECT_EQ(page.dexOffset(), -1);
    EXPECT_EQ(tabs.tables().monsterNames[0], 0x77);
    EXPECT_EQ(page.baseStats(0)[0], bytes[kBaseStatsAt]);
    EXPECT_EQ(page.dex(0).height, 0);
    page.dex(0).height = 0x0101;
    page.evolution(0).methods[0] = 9;
    ASSERT_TRUE(writePage(page, rom));
    EXPECT_EQ(readBytes(rom), bytes);

    ASSERT_TRUE(load(bytes, "Name_Start_Pos=0x100\r\n"));
    EXPECT_EQ(page.nameOffset(), 0);
    EXPECT_EQ(tabs.tables().monsterNames[0], bytes[0]);
}

TEST_F(MonsterTables, OffsetsOutsideTheFileFailWithoutTouchingIt)
{
    for (const char* keys : {"MonsterBaseStats_Pos=-5\r\n", "Name_Start_Pos=2147483647\r\n",
                             "Monster_Evol_Data_Pos=40000\r\n", "Level_Skill=50000\r\n"}) {
        SCOPED_TRACE(keys);
        tabs.setErrorText("");
        EXPECT_FALSE(load(patternRom(), keys));
        EXPECT_EQ(tabs.errorText(), endOfFileErrorText());
    }
    ASSERT_FALSE(load(patternRom(), "MonsterDexData=-2\r\n"));
    EXPECT_FALSE(writePage(page, rom));
    EXPECT_EQ(readBytes(rom), patternRom());
}

TEST_F(MonsterTables, AFileEndingInsideTheDexKeepsWhatWasReadBefore)
{
    ASSERT_TRUE(load(patternRom(), kAllKeys));
    const DexEntry before = page.dex(0);

    // Other contents, cut off inside the last dex record.
    Bytes other(kDexAt + 386 * 28 + 25, 0x5A);
    EXPECT_FALSE(load(other, kAllKeys));
    EXPECT_EQ(tabs.errorText(), endOfFileErrorText());
    EXPECT_EQ(tabs.tables().monsterNames[0], 0x5A);
    EXPECT_EQ(page.baseStats(0)[0], 0x5A);
    EXPECT_EQ(page.evolution(0).methods[0], 0x5A);
    EXPECT_EQ(page.dex(0).height, before.height);
    EXPECT_EQ(page.dex(0).category, before.category);

    // The last record's final two bytes are never read, so they may lie past the end.
    other.push_back(0x5A);
    EXPECT_TRUE(load(other, "MonsterDexData=36864\r\n"));
    EXPECT_EQ(page.dex(386).kept4, 0x5A);
}

TEST_F(MonsterTables, ResetAndReleaseEmptyThePageButNotTheNames)
{
    ASSERT_TRUE(load(patternRom(), kAllKeys));
    const std::uint8_t firstNameByte = tabs.tables().monsterNames[0];
    page.levelUpList().assign(8, 0x33);
    page.Release();
    EXPECT_EQ(page.baseStats(0)[0], 0);
    EXPECT_EQ(page.levelUpOffset(0), 0u);
    EXPECT_EQ(page.dex(3).kept1, 0);
    EXPECT_TRUE(page.levelUpList().empty());
    EXPECT_EQ(tabs.tables().monsterNames[0], firstNameByte);

    // Reset drops the list buffer too, instead of losing track of it.
    page.levelUpList().assign(8, 0x33);
    page.description() = {0x1234, 10};
    page.Reset();
    EXPECT_TRUE(page.levelUpList().empty());
    EXPECT_EQ(page.description().offset, 0u);
    EXPECT_EQ((std::tuple{page.nameOffset(), page.levelUpTableOffset(), page.tmHmOffset()}), (std::tuple{-1, -1, -1}));
}

} // namespace
