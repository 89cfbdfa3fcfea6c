#include "core/TabSystem.h"
#include "pages/move/MovePage.h"
#include "tests/support/PageSlots.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// Past the cartridge header, which no write may touch.
constexpr std::size_t kTableAt = 0x110;
constexpr std::size_t kTableBytes = 4260;

// A ROM of a counting pattern with the move table at 0x110 and 16 bytes behind it.
std::vector<std::uint8_t> patternRom(std::size_t size)
{
    return patternBytes(size, 7, 3);
}

class MoveTable : public ::testing::Test {
protected:
    void SetUp() override { tabs.setProgramDirectory(dir.path()); }

    void configure(const std::string& keys)
    {
        writeSettings(dir.path(), "BPRJ", keys);
        page.Reset();
        page.LoadSettings("BPRJ");
    }
    bool read() { return readPage(page, rom); }
    bool write() { return writePage(page, rom); }

    TempDir dir;
    std::string rom = dir.file("rom.gba");
    CTabSystem tabs;
    CAttack_Edit page{tabs};
};

TEST_F(MoveTable, ReadsTwelveByteRecordsAndWritesOnlyTheTable)
{
    std::vector<std::uint8_t> bytes = patternRom(kTableAt + kTableBytes + 16);
    const std::vector<std::uint8_t> move1 = {0x01, 0x28, 0x00, 0x64, 0x23, 0x00, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16};
    std::copy(move1.begin(), move1.end(), bytes.begin() + kTableAt + 12);
    const std::vector<std::uint8_t> move354 = {0x7F, 0xC8, 0x11, 0x5A, 0x05, 0x1E, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5};
    std::copy(move354.begin(), move354.end(), bytes.begin() + kTableAt + 354 * 12);
    writeBytes(rom, bytes);
    configure("AttackTable=272\r\n");

    ASSERT_TRUE(read());
    EXPECT_TRUE(page.loaded());
    auto record = page.record(1);
    ASSERT_EQ(record.size(), 12u);
    EXPECT_EQ(record[move_record::kEffect], 0x01);
    EXPECT_EQ(record[move_record::kPower], 40);
    EXPECT_EQ(record[move_record::kType], 0);
    EXPECT_EQ(record[move_record::kAccuracy], 100);
    EXPECT_EQ(record[move_record::kPp], 35);
    EXPECT_EQ(record[move_record::kEffectChance], 0);
    EXPECT_EQ(record[move_record::kRawBytes], 0x11);
    EXPECT_EQ(record[move_record::kRawBytes + move_record::kRawByteCount - 1], 0x16);
    EXPECT_EQ(page.record(354)[move_record::kPower], 0xC8);
    EXPECT_EQ(page.record(354)[move_record::kRawBytes + 5], 0xA5);
    EXPECT_TRUE(page.record(355).empty());

    page.record(1)[move_record::kPower] = 0x50;
    page.record(354)[move_record::kType] = 0x0D;
    ASSERT_TRUE(write());

    std::vector<std::uint8_t> expected = bytes;
    expected[kTableAt + 12 + 1] = 0x50;
    expected[kTableAt + 354 * 12 + 2] = 0x0D;
    EXPECT_EQ(readBytes(rom), expected);
}

TEST_F(MoveTable, WithoutTheKeyNothingIsReadOrWritten)
{
    const std::vector<std::uint8_t> bytes = patternRom(kTableBytes + 32);
    writeBytes(rom, bytes);
    configure("Item_Data=0\r\n");

    EXPECT_EQ(page.tableOffset(), -1);
    EXPECT_TRUE(read());
    EXPECT_FALSE(page.loaded());
    EXPECT_TRUE(write());
    EXPECT_EQ(readBytes(rom), bytes);
}

TEST_F(MoveTable, ATableRunningPastTheEndFailsAndIsNeverWritten)
{
    const std::vector<std::uint8_t> bytes = patternRom(kTableAt + kTableBytes - 1);
    writeBytes(rom, bytes);
    configure("AttackTable=272\r\n");

    EXPECT_FALSE(read());
    EXPECT_EQ(tabs.errorText(), endOfFileErrorText());
    EXPECT_FALSE(page.loaded());
    EXPECT_TRUE(write());
    EXPECT_EQ(readBytes(rom), bytes);
}

TEST_F(MoveTable, AFailedWriteReportsTheSystemText)
{
    writeBytes(rom, patternRom(kTableAt + kTableBytes));
    configure("AttackTable=272\r\n");
    ASSERT_TRUE(read());

    RomFile readOnly = RomFile::openForReading(rom);
    EXPECT_FALSE(page.DataWrite(readOnly));
    EXPECT_FALSE(tabs.errorText().empty());
}

TEST_F(MoveTable, ReleaseForgetsTheTableButKeepsTheOffset)
{
    writeBytes(rom, patternRom(kTableAt + kTableBytes));
    configure("AttackTable=272\r\n");
    ASSERT_TRUE(read());
    ASSERT_NE(page.record(0)[0], 0);

    page.Release();
    EXPECT_FALSE(page.loaded());
    EXPECT_EQ(page.tableOffset(), 0x110);
    for (std::size_t move = 0; move < move_record::kCount; ++move) {
        for (std::uint8_t byte : page.record(move))
            ASSERT_EQ(byte, 0);
    }
}

} // namespace
