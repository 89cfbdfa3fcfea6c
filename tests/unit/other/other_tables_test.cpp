#include "core/TabSystem.h"
#include "core/TableBuffer.h"
#include "pages/other/OtherPage.h"
#include "tests/support/PageSlots.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// Everything sits past the cartridge header, which no write may touch.
constexpr std::size_t kClassesAt = 0x108;
constexpr std::size_t kMoveNamesAt = 0x140;
constexpr std::size_t kMoveNameBytes = 2832;
constexpr std::size_t kLeftAt = 0xD00;
constexpr std::size_t kCenterAt = 0xD11;
constexpr std::size_t kRightAt = 0xD05;
constexpr std::size_t kRomSize = 0xD20;

std::vector<std::uint8_t> patternRom(std::size_t size)
{
    return patternBytes(size, 11, 2);
}

const std::string kAllKeys = "TrainerClasses=264\r\nTrainerClassesNum=2\r\nAttackName=320\r\n"
                             "Left=3328\r\nCenter=3345\r\nRight=3333\r\n";

class OtherTables : public ::testing::Test {
protected:
    void SetUp() override { tabs.setProgramDirectory(dir.path()); }

    bool load(const std::vector<std::uint8_t>& bytes, const std::string& keys)
    {
        writeBytes(rom, bytes);
        writeSettings(dir.path(), "BPGJ", keys);
        page.Reset();
        page.LoadSettings("BPGJ");
        return readPage(page, rom);
    }
    bool write() { return writePage(page, rom); }

    TempDir dir;
    std::string rom = dir.file("rom.gba");
    CTabSystem tabs;
    COmake page{tabs};
};

TEST_F(OtherTables, ReadsAndWritesClassNamesMoveNamesAndStarters)
{
    std::vector<std::uint8_t> bytes = patternRom(kRomSize);
    const std::vector<std::uint8_t> classes = {0xBB, 0xBC, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0,
                                               0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0xFF};
    putBytes(bytes, kClassesAt, classes);
    putBytes(bytes, kMoveNamesAt, {0xC6, 0xC9, 0xFF, 0, 0, 0, 0, 0});
    putBytes(bytes, kMoveNamesAt + kMoveNameBytes - 8, {0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xFF});
    putBytes(bytes, kLeftAt, {0x15, 0x01});
    putBytes(bytes, kCenterAt, {0x18, 0x01});
    putBytes(bytes, kRightAt, {0x1B, 0x01});
    ASSERT_TRUE(load(bytes, kAllKeys));

    const SharedTables& tables = tabs.tables();
    EXPECT_EQ(tables.trainerClassCount, 2);
    EXPECT_EQ(tables.trainerClassNames, classes);
    EXPECT_EQ(std::vector<std::uint8_t>(tables.moveNames.begin(), tables.moveNames.begin() + 3),
              (std::vector<std::uint8_t>{0xC6, 0xC9, 0xFF}));
    EXPECT_EQ(tables.moveNames[353 * 8], 0xA1);
    EXPECT_EQ(tables.moveNames[353 * 8 + 7], 0xFF);
    EXPECT_EQ(page.starter(COmake::Starter::Left), 277);
    EXPECT_EQ(page.starter(COmake::Starter::Center), 280);
    EXPECT_EQ(page.starter(COmake::Starter::Right), 283);

    tabs.tables().trainerClassNames[11] = 0x51;
    tabs.tables().moveNames[0] = 0xC7;
    page.setStarter(COmake::Starter::Left, 0x0203);
    page.setStarter(COmake::Starter::Right, 1);
    ASSERT_TRUE(write());

    std::vector<std::uint8_t> expected = bytes;
    expected[kClassesAt + 11] = 0x51;
    expected[kMoveNamesAt] = 0xC7;
    putBytes(expected, kLeftAt, {0x03, 0x02});
    putBytes(expected, kRightAt, {0x01, 0x00});
    EXPECT_EQ(readBytes(rom), expected);
}

TEST_F(OtherTables, MoveNamesAndStartersGoOnWithoutAClassTable)
{
    std::vector<std::uint8_t> bytes = patternRom(kRomSize);
    putBytes(bytes, kMoveNamesAt, {0xD5, 0xFF});
    putBytes(bytes, kCenterAt, {0x04, 0x00});
    ASSERT_TRUE(load(bytes, "TrainerClassesNum=2\r\nAttackName=320\r\nCenter=3345\r\n"));

    EXPECT_TRUE(tabs.tables().trainerClassNames.empty());
    EXPECT_EQ(tabs.tables().moveNames[0], 0xD5);
    EXPECT_EQ(page.starter(COmake::Starter::Center), 4);
    EXPECT_EQ(page.starter(COmake::Starter::Left), 0);
    EXPECT_EQ(page.starterOffset(COmake::Starter::Right), -1);

    tabs.tables().moveNames[1] = 0xD6;
    ASSERT_TRUE(write());
    std::vector<std::uint8_t> expected = bytes;
    expected[kMoveNamesAt + 1] = 0xD6;
    EXPECT_EQ(readBytes(rom), expected);
}

TEST_F(OtherTables, AnImpossibleClassCountFailsTheRead)
{
    EXPECT_FALSE(load(patternRom(kRomSize), "TrainerClasses=264\r\nTrainerClassesNum=2147483647\r\n"));
    EXPECT_EQ(tabs.errorText(), kNoTableText);
    EXPECT_TRUE(tabs.tables().trainerClassNames.empty());
    EXPECT_EQ(tabs.tables().trainerClassCount, 0);
}

TEST_F(OtherTables, EachPartPastTheEndOfTheFileFails)
{
    for (const char* keys : {"TrainerClasses=3336\r\nTrainerClassesNum=3\r\n", "AttackName=1256\r\n",
                             "Right=3359\r\n"}) {
        SCOPED_TRACE(keys);
        tabs.setErrorText("");
        EXPECT_FALSE(load(patternRom(kRomSize), keys));
        EXPECT_EQ(tabs.errorText(), endOfFileErrorText());
    }
}

TEST_F(OtherTables, ReleaseFreesOnlyTheClassTable)
{
    ASSERT_TRUE(load(patternRom(kRomSize), kAllKeys));
    const std::uint8_t firstMoveNameByte = tabs.tables().moveNames[0];
    const std::uint16_t left = page.starter(COmake::Starter::Left);

    page.Release();
    EXPECT_TRUE(tabs.tables().trainerClassNames.empty());
    EXPECT_EQ(tabs.tables().trainerClassCount, 0);
    EXPECT_EQ(tabs.tables().moveNames[0], firstMoveNameByte);
    EXPECT_EQ(page.starter(COmake::Starter::Left), left);
}

} // namespace
