#include "core/RecordTable.h"
#include "core/TableBuffer.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The bytes after a cartridge header of 0xC0 bytes.
Bytes pastTheHeader(const Bytes& tail)
{
    Bytes rom(0xC0, 0x00);
    rom.insert(rom.end(), tail.begin(), tail.end());
    return rom;
}

class RecordTableTest : public ::testing::Test {
protected:
    GameSettings settings(const std::string& keys)
    {
        writeFile(dir.file("Setting.ini"), "[BPEJ]\r\n" + keys);
        return GameSettings(dir.file("Setting.ini"), "BPEJ");
    }
    // The failure's text; empty when done.
    std::string read(RecordTable& table)
    {
        ResultOf<RomFile> file = RomFile::openForReading(rom);
        return table.read(*file).errorText();
    }
    std::string write(const RecordTable& table)
    {
        ResultOf<RomFile> file = RomFile::openForWriting(rom);
        return table.write(*file).errorText();
    }

    TempDir dir;
    std::string rom = dir.file("rom.gba");
};

} // namespace

TEST_F(RecordTableTest, ReadsRecordsAtTheOffsetAndWritesThemBackInPlace)
{
    writeBytes(rom, pastTheHeader({0xEE, 0xEE, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0xEE}));
    RecordTable table(3);
    table.load(settings("Data=194\r\nDataNum=2\r\n"), "Data", "DataNum");
    EXPECT_TRUE(table.configured());
    EXPECT_EQ(table.recordCount(), 2u);
    EXPECT_EQ(read(table), "");
    EXPECT_EQ(Bytes(table.record(1).begin(), table.record(1).end()), (Bytes{0x04, 0x05, 0x06}));
    EXPECT_TRUE(table.record(2).empty());
    EXPECT_TRUE(table.record(-1).empty());

    table.record(0)[1] = 0xA5;
    EXPECT_EQ(write(table), "");
    EXPECT_EQ(readBytes(rom), pastTheHeader({0xEE, 0xEE, 0x01, 0xA5, 0x03, 0x04, 0x05, 0x06, 0xEE}));

    table.release();
    EXPECT_TRUE(table.record(0).empty());
    EXPECT_EQ(read(table), std::string(kNoTableText));
    table.reset();
    EXPECT_FALSE(table.configured());
    EXPECT_EQ(table.offset(), kNotConfigured);
}

TEST_F(RecordTableTest, MissingKeysLeaveTheTableUnconfiguredAndTheFileAlone)
{
    writeBytes(rom, {0xEE, 0xEE});
    for (const std::string keys : {"DataNum=2\r\n", "Data=0\r\n", "Data=0\r\nDataNum=-3\r\n", "Data=\r\nDataNum=1\r\n"}) {
        RecordTable table(2);
        table.load(settings(keys), "Data", "DataNum");
        EXPECT_FALSE(table.configured()) << keys;
        EXPECT_FALSE(table.hasRecords()) << keys;
        EXPECT_GE(table.count(), 0) << keys;
        EXPECT_EQ(read(table), "") << keys;
        EXPECT_EQ(write(table), "") << keys;
    }
    EXPECT_EQ(readBytes(rom), (Bytes{0xEE, 0xEE}));
}

TEST_F(RecordTableTest, FailuresCarryTheTextForThePage)
{
    writeBytes(rom, {0x01, 0x02, 0x03});
    RecordTable table(2);
    table.load(settings("Data=2\r\nDataNum=1\r\n"), "Data", "DataNum");
    EXPECT_EQ(read(table), endOfFileErrorText());

    // Records kept in a shared vector; a count beyond any cartridge is a failed allocation.
    std::vector<std::uint8_t> shared = {0x99};
    RecordTable huge(40, shared);
    huge.load(settings("Data=0\r\nDataNum=2000000000\r\n"), "Data", "DataNum");
    EXPECT_TRUE(huge.configured());
    EXPECT_TRUE(shared.empty());
    EXPECT_EQ(read(huge), std::string(kNoTableText));
}
