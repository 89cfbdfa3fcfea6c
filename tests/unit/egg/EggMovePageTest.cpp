#include "core/TabSystem.h"
#include "core/TableBuffer.h"
#include "pages/egg/EggMovePage.h"
#include "tests/support/PageSlots.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

// The words 20001, 5, 6, 20004, 20007, 9 at kBase + 0x10 of a ROM of 0xEE ending at
// kBase + 0x40; kBase keeps every write out of the cartridge header.
constexpr std::size_t kBase = 0x100;
const std::vector<std::uint8_t> kTable = {0x21, 0x4E, 0x05, 0x00, 0x06, 0x00, 0x24, 0x4E, 0x27, 0x4E, 0x09, 0x00};
constexpr const char* kKeys = "MonsterEggData=272\r\nMonsterEggDataNum=6\r\n";

class EggTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        rom.assign(kBase + 0x40, 0xEE);
        std::copy(kTable.begin(), kTable.end(), rom.begin() + kBase + 0x10);
        writeBytes(romPath(), rom);
        page.Reset();
    }
    std::string romPath() const { return dir.file("rom.gba"); }
    bool read(const std::string& keys)
    {
        writeSettings(dir.path(), "BPEJ", keys);
        page.LoadSettings("BPEJ");
        return readAgain();
    }
    bool readAgain() { return readPage(page, romPath()); }
    bool write() { return writePage(page, romPath()); }

    TempDir dir;
    CTabSystem tabs;
    CTamago_Skill page{tabs};
    std::vector<std::uint8_t> rom;
};

TEST_F(EggTable, ChangedMovesAreWrittenInPlaceAndNothingElseMoves)
{
    ASSERT_TRUE(read(kKeys));
    ASSERT_TRUE(readAgain());
    ASSERT_EQ(page.entries().size(), 3u);
    page.entries()[0].moves[1] = 100;
    page.entries()[2].moves[0] = 0x0203;
    ASSERT_TRUE(write());
    std::vector<std::uint8_t> expected = rom;
    expected[kBase + 0x14] = 0x64;
    expected[kBase + 0x15] = 0x00;
    expected[kBase + 0x1A] = 0x03;
    expected[kBase + 0x1B] = 0x02;
    EXPECT_EQ(readBytes(romPath()), expected);
}

TEST_F(EggTable, RawModeEditsWordsAndNormalModeDecodesThemAfresh)
{
    ASSERT_TRUE(read(kKeys));
    ASSERT_TRUE(page.setRawMode(true));
    EXPECT_TRUE(page.entries().empty());
    EXPECT_TRUE(page.setWord(1, 20010));
    EXPECT_FALSE(page.setWord(6, 20010));
    ASSERT_TRUE(write());
    std::vector<std::uint8_t> expected = rom;
    expected[kBase + 0x12] = 0x2A;
    expected[kBase + 0x13] = 0x4E;
    EXPECT_EQ(readBytes(romPath()), expected);

    // Monster 1 loses its move 6 to the new marker of monster 10.
    ASSERT_TRUE(page.setRawMode(false));
    const auto& entries = page.entries();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_TRUE(entries[0].moves.empty());
    EXPECT_EQ(entries[1].markerPosition, 1u);
    EXPECT_EQ(entries[1].moves, (std::vector<std::uint16_t>{6}));
    EXPECT_EQ(entries[3].moves, (std::vector<std::uint16_t>{9}));
}

TEST_F(EggTable, UnconfiguredTableIsNeitherReadNorWritten)
{
    for (const char* keys : {"", "MonsterEggDataNum=6\r\n", "MonsterEggData=272\r\n",
                             "MonsterEggData=272\r\nMonsterEggDataNum=0\r\n",
                             "MonsterEggData=272\r\nMonsterEggDataNum=-5\r\n"}) {
        SCOPED_TRACE(keys);
        EXPECT_TRUE(read(keys));
        EXPECT_FALSE(page.hasTable());
        EXPECT_TRUE(write());
        EXPECT_EQ(readBytes(romPath()), rom);
    }
}

TEST_F(EggTable, UnreachableTablesFailTheReadAndWriteNothing)
{
    EXPECT_FALSE(read("MonsterEggData=272\r\nMonsterEggDataNum=2147483647\r\n"));
    EXPECT_EQ(toUtf8(tabs.errorText()), toUtf8(kNoTableText));
    EXPECT_FALSE(read("MonsterEggData=312\r\nMonsterEggDataNum=8\r\n"));
    EXPECT_EQ(tabs.errorText(), endOfFileErrorText());
    tabs.setErrorText("");
    EXPECT_FALSE(read("MonsterEggData=-5\r\nMonsterEggDataNum=2\r\n"));
    EXPECT_FALSE(tabs.errorText().empty());

    page.Release();
    EXPECT_TRUE(write());
    EXPECT_EQ(readBytes(romPath()), rom);
}

} // namespace
