#include "core/TabSystem.h"
#include "core/TableBuffer.h"
#include "pages/trade/TradePage.h"
#include "pages/trade/TradeValues.h"
#include "tests/support/PageSlots.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

using namespace trade_values;

TEST(TradeValues, NatureChangeKeepsTheGenderValue)
{
    EXPECT_EQ(withNature(0x000000FF, 12), 0x000016FFu);
    EXPECT_EQ(nature(0x000016FF), 12);
    for (int wanted = 0; wanted < kNatureCount; ++wanted) {
        std::uint32_t pv = withNature(0xDEADBE42, wanted);
        EXPECT_EQ(nature(pv), wanted);
        EXPECT_EQ(genderValue(pv), 0x42);
        EXPECT_LT(pv, 25u << 8);
    }
    EXPECT_EQ(withNature(0x12345678, 25), 0x12345678u);
    EXPECT_EQ(withNature(0x12345678, -1), 0x12345678u);
}

TEST(TradeValues, GenderValueIsTheLowByte)
{
    EXPECT_EQ(genderValue(0x123456AB), 0xAB);
    EXPECT_EQ(withGenderValue(0x123456AB, 0xFF), 0x123456FFu);
}

TEST(TradeValues, ShinyFollowsTheParentId)
{
    const std::uint32_t pv = 0x12345678;
    EXPECT_EQ(shinyParentId(pv), 0x444C);
    EXPECT_TRUE(isShiny(pv, 0x444C));
    EXPECT_TRUE(isShiny(pv, 0x444C ^ 7));
    EXPECT_FALSE(isShiny(pv, 0x444C ^ 8));
    EXPECT_EQ(plainParentId(pv), 0xBBB3);
    EXPECT_FALSE(isShiny(pv, plainParentId(pv)));
}

// The page's ROM slots outside its dialog, on a ROM of 0x160 bytes of 0xEE; the dialog cases
// check what the page reads, edits and saves.
TEST(TradeSlots, BadSettingsReadNothingAndWriteNothing)
{
    struct Case {
        const char* keys;
        bool reads;
        std::string error;
    };
    const Case cases[] = {
        {"Communication_Change=272\r\nCommunication_ChangeNum=0\r\n", true, ""},
        {"Communication_ChangeNum=1\r\n", true, ""},
        {"Communication_Change=272\r\nCommunication_ChangeNum=2147483647\r\n", false, kNoTableText},
        {"Communication_Change=272\r\nCommunication_ChangeNum=2\r\n", false, endOfFileErrorText()},
    };
    TempDir dir;
    const std::string rom = dir.file("rom.gba");
    const std::vector<std::uint8_t> bytes(0x160, 0xEE);
    writeBytes(rom, bytes);
    CTabSystem tabs;
    tabs.setProgramDirectory(dir.path());
    CTamblor_Communication_Change page(tabs);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        tabs.setErrorText("");
        writeSettings(dir.path(), "BPEJ", c.keys);
        page.Reset();
        page.LoadSettings("BPEJ");
        EXPECT_EQ(readPage(page, rom), c.reads);
        EXPECT_EQ(tabs.errorText(), c.error);
        if (c.reads) {
            EXPECT_FALSE(page.hasTable());
        } else {
            // The session forgets the pages after a failed read.
            page.Release();
        }
        EXPECT_TRUE(writePage(page, rom));
        EXPECT_EQ(readBytes(rom), bytes);
    }
}

} // namespace
