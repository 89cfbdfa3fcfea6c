#include "core/TabSystem.h"
#include "core/TableBuffer.h"
#include "pages/trade/TradePage.h"
#include "tests/support/PageSlots.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

// One trade record at kAt (272, past the cartridge header that no write may touch) of a
// 0x160-byte ROM; every other byte is 0xEE.
constexpr std::size_t kAt = 0x110;
const std::vector<std::uint8_t> kTrade = {
    0xBB, 0xBC, 0xBD, 0xFF, 0x00, 0x00,             // nickname
    0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6,             // kept
    0x9B, 0x01,                                     // offered monster 411
    0x01, 0x02, 0x03, 0x1D, 0x1E, 0x1F,             // individual values
    0x01,                                           // second ability
    0xD1, 0xD2, 0xD3,                               // kept
    0x34, 0x12,                                     // parent ID 0x1234
    0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9,
    0x78, 0x56, 0x34, 0x12,                         // PV 0x12345678
    0x2C, 0x01,                                     // held item 300
    0xF0,                                           // kept
    0xD5, 0xD6, 0xFF, 0x00, 0x00, 0x00,             // parent name
    0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6,
    0x19, 0x00,                                     // wanted monster 25
    0xB0, 0xB1,
};

class TradeTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        rom.assign(0x160, 0xEE);
        std::copy(kTrade.begin(), kTrade.end(), rom.begin() + kAt);
        writeBytes(romPath(), rom);
    }
    std::string romPath() const { return dir.file("rom.gba"); }
    void settings(const std::string& keys) { writeSettings(dir.path(), "BPEJ", keys); }
    bool read()
    {
        page.LoadSettings("BPEJ");
        return readPage(page, romPath());
    }
    bool write() { return writePage(page, romPath()); }

    TempDir dir;
    CTabSystem tabs;
    CTamblor_Communication_Change page{tabs};
    std::vector<std::uint8_t> rom;
};

TEST_F(TradeTable, FieldsSitWhereTheRecordSaysAndKeptBytesSurvive)
{
    ASSERT_EQ(kTrade.size(), trade_record::kSize);
    settings("Communication_Change=272\r\nCommunication_ChangeNum=1\r\n");
    page.Reset();
    ASSERT_TRUE(read());
    auto trade = page.record(0);
    using namespace trade_record;
    EXPECT_EQ(get16(trade, kOfferedMonster), 411);
    EXPECT_EQ(trade[kIndividualValues + 5], 0x1F);
    EXPECT_EQ(trade[kAbilitySlot], 1);
    EXPECT_EQ(get16(trade, kParentId), 0x1234);
    EXPECT_EQ(get32(trade, kPersonality), 0x12345678u);
    EXPECT_EQ(get16(trade, kHeldItem), 300);
    EXPECT_EQ(trade[kParentName], 0xD5);
    EXPECT_EQ(get16(trade, kWantedMonster), 25);

    set32(trade, kPersonality, 0xA1B2C3D4);
    set16(trade, kWantedMonster, 0x0102);
    trade[kNickname] = 0xA1;
    ASSERT_TRUE(write());
    std::vector<std::uint8_t> expected = rom;
    expected[kAt] = 0xA1;
    expected[kAt + 0x24] = 0xD4;
    expected[kAt + 0x25] = 0xC3;
    expected[kAt + 0x26] = 0xB2;
    expected[kAt + 0x27] = 0xA1;
    expected[kAt + 0x38] = 0x02;
    expected[kAt + 0x39] = 0x01;
    EXPECT_EQ(readBytes(romPath()), expected);
}

TEST_F(TradeTable, UnconfiguredTableIsNeitherReadNorWritten)
{
    for (const char* keys : {"", "Communication_ChangeNum=1\r\n", "Communication_Change=272\r\n",
                             "Communication_Change=272\r\nCommunication_ChangeNum=0\r\n",
                             "Communication_Change=272\r\nCommunication_ChangeNum=-2\r\n"}) {
        SCOPED_TRACE(keys);
        settings(keys);
        page.Reset();
        EXPECT_TRUE(read());
        EXPECT_FALSE(page.hasTable());
        EXPECT_TRUE(write());
        EXPECT_EQ(readBytes(romPath()), rom);
    }
}

TEST_F(TradeTable, UnreachableTablesFailTheRead)
{
    settings("Communication_Change=272\r\nCommunication_ChangeNum=2147483647\r\n");
    page.Reset();
    EXPECT_FALSE(read());
    EXPECT_EQ(toUtf8(tabs.errorText()), toUtf8(kNoTableText));

    settings("Communication_Change=272\r\nCommunication_ChangeNum=2\r\n");
    EXPECT_FALSE(read());
    EXPECT_EQ(tabs.errorText(), endOfFileErrorText());

    page.Release();
    EXPECT_FALSE(page.hasTable());
    EXPECT_TRUE(write());
    EXPECT_EQ(readBytes(romPath()), rom);
}

} // namespace
