#include "core/TabSystem.h"
#include "core/TableBuffer.h"
#include "pages/item/ItemPage.h"
#include "pages/item/ItemRecord.h"
#include "tests/support/PageSlots.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// The table sits at kBase + 8 (264), past the cartridge header that no write may touch.
constexpr std::size_t kBase = 0x100;

std::vector<std::uint8_t> patternRom(std::size_t size)
{
    return patternBytes(size, 5, 1);
}

class ItemTable : public ::testing::Test {
protected:
    void SetUp() override { tabs.setProgramDirectory(dir.path()); }

    void configure(const std::string& keys)
    {
        writeSettings(dir.path(), "BPEJ", keys);
        page.Reset();
        page.LoadSettings("BPEJ");
    }
    bool read() { return readPage(page, rom); }
    bool write() { return writePage(page, rom); }

    TempDir dir;
    std::string rom = dir.file("rom.gba");
    CTabSystem tabs;
    CItem_Edit page{tabs};
};

TEST_F(ItemTable, ReadsFortyByteRecordsIntoTheSessionAndWritesThemBack)
{
    std::vector<std::uint8_t> bytes = patternRom(kBase + 8 + 3 * 40 + 8);
    // Item 1: name "AB", price 0x1234, parameter 0x14, description at 0xABCDEF, pocket 2,
    // battle usage 1; every other byte is the pattern.
    const std::size_t item1 = kBase + 8 + 40;
    const std::vector<std::uint8_t> name = {0xBB, 0xBC, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    std::copy(name.begin(), name.end(), bytes.begin() + item1);
    bytes[item1 + 0x0C] = 0x34;
    bytes[item1 + 0x0D] = 0x12;
    bytes[item1 + 0x0F] = 0x14;
    const std::vector<std::uint8_t> pointer = {0xEF, 0xCD, 0xAB, 0x08};
    std::copy(pointer.begin(), pointer.end(), bytes.begin() + item1 + 0x10);
    bytes[item1 + 0x16] = 2;
    bytes[item1 + 0x1C] = 1;
    writeBytes(rom, bytes);
    configure("Item_Data=264\r\nItem_DataNum=3\r\n");

    ASSERT_TRUE(read());
    EXPECT_EQ(tabs.tables().itemCount, 3);
    ASSERT_EQ(tabs.tables().items.size(), 120u);
    auto record = page.record(1);
    ASSERT_EQ(record.size(), 40u);
    EXPECT_EQ(std::vector<std::uint8_t>(record.begin(), record.begin() + item_record::kNameLength), name);
    EXPECT_EQ(item_record::price(record), 0x1234);
    EXPECT_EQ(record[item_record::kParameter], 0x14);
    EXPECT_EQ(item_record::descriptionOffset(record), 0xABCDEFu);
    EXPECT_EQ(record[item_record::kPocket], 2);
    EXPECT_EQ(record[item_record::kBattleUsage], 1);
    EXPECT_TRUE(page.record(3).empty());

    item_record::setPrice(record, 70000);
    EXPECT_EQ(item_record::price(record), 4464);
    record[item_record::kPocket] = 5;
    ASSERT_TRUE(write());

    std::vector<std::uint8_t> expected = bytes;
    expected[item1 + 0x0C] = 0x70;
    expected[item1 + 0x0D] = 0x11;
    expected[item1 + 0x16] = 5;
    EXPECT_EQ(readBytes(rom), expected);
}

TEST_F(ItemTable, AMissingKeyOrACountBelowOneLeavesNoTable)
{
    const std::vector<std::uint8_t> bytes = patternRom(kBase + 200);
    writeBytes(rom, bytes);
    for (const char* keys : {"Item_DataNum=3\r\n", "Item_Data=264\r\n", "Item_Data=264\r\nItem_DataNum=0\r\n",
                             "Item_Data=264\r\nItem_DataNum=-5\r\n"}) {
        SCOPED_TRACE(keys);
        configure(keys);
        EXPECT_TRUE(tabs.tables().items.empty());
        EXPECT_EQ(tabs.tables().itemCount, 0);
        EXPECT_TRUE(read());
        EXPECT_TRUE(write());
        EXPECT_EQ(readBytes(rom), bytes);
    }
}

TEST_F(ItemTable, AnImpossibleCountFailsTheReadInsteadOfAllocating)
{
    const std::vector<std::uint8_t> bytes = patternRom(kBase + 200);
    writeBytes(rom, bytes);
    configure("Item_Data=264\r\nItem_DataNum=2000000000\r\n");

    EXPECT_TRUE(tabs.tables().items.empty());
    EXPECT_EQ(tabs.tables().itemCount, 0);
    EXPECT_FALSE(read());
    EXPECT_EQ(tabs.errorText(), kNoTableText);
    EXPECT_TRUE(write());
    EXPECT_EQ(readBytes(rom), bytes);
}

TEST_F(ItemTable, ATablePastTheEndOfTheFileFails)
{
    writeBytes(rom, patternRom(kBase + 8 + 3 * 40 - 1));
    configure("Item_Data=264\r\nItem_DataNum=3\r\n");
    EXPECT_FALSE(read());
    EXPECT_EQ(tabs.errorText(), endOfFileErrorText());
}

TEST_F(ItemTable, ReleaseFreesTheTableAndItsCount)
{
    writeBytes(rom, patternRom(kBase + 200));
    configure("Item_Data=264\r\nItem_DataNum=3\r\n");
    ASSERT_TRUE(read());

    page.Release();
    EXPECT_TRUE(tabs.tables().items.empty());
    EXPECT_EQ(tabs.tables().itemCount, 0);
    EXPECT_TRUE(page.record(0).empty());
}

} // namespace
