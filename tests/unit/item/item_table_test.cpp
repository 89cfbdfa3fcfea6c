#include "core/TabSystem.h"
#include "core/TableBuffer.h"
#include "pages/item/ItemPage.h"
#include "tests/support/PageSlots.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

// The page's ROM slots outside its dialog, on a patterned ROM of 0x1C8 bytes; the dialog
// cases check what the page reads, edits and saves.
class ItemSlots : public ::testing::Test {
protected:
    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        writeBytes(rom, bytes);
    }
    bool load(const std::string& keys)
    {
        writeSettings(dir.path(), "BPEJ", keys);
        page.Reset();
        page.LoadSettings("BPEJ");
        return readPage(page, rom);
    }

    TempDir dir;
    std::string rom = dir.file("rom.gba");
    const std::vector<std::uint8_t> bytes = patternBytes(0x1C8, 5, 1);
    CTabSystem tabs;
    CItem_Edit page{tabs};
};

TEST_F(ItemSlots, TheSessionsItemTableLivesFromReadToRelease)
{
    ASSERT_TRUE(load("Item_Data=264\r\nItem_DataNum=3\r\n"));
    EXPECT_EQ(tabs.tables().itemCount, 3);
    EXPECT_EQ(tabs.tables().items.size(), 120u);
    EXPECT_EQ(page.record(2).size(), 40u);
    EXPECT_TRUE(page.record(3).empty());

    page.Release();
    EXPECT_TRUE(tabs.tables().items.empty());
    EXPECT_EQ(tabs.tables().itemCount, 0);
    EXPECT_TRUE(page.record(0).empty());
}

TEST_F(ItemSlots, BadSettingsLeaveNoTableAndWriteNothing)
{
    struct Case {
        const char* keys;
        bool reads;
        std::string error;
    };
    const Case cases[] = {
        {"Item_DataNum=3\r\n", true, ""},
        {"Item_Data=264\r\nItem_DataNum=-5\r\n", true, ""},
        // An impossible count fails the read instead of allocating.
        {"Item_Data=264\r\nItem_DataNum=2000000000\r\n", false, kNoTableText},
        {"Item_Data=400\r\nItem_DataNum=3\r\n", false, endOfFileErrorText()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        tabs.setErrorText("");
        EXPECT_EQ(load(c.keys), c.reads);
        EXPECT_EQ(tabs.errorText(), c.error);
        if (c.error != endOfFileErrorText()) {
            EXPECT_TRUE(tabs.tables().items.empty());
            EXPECT_EQ(tabs.tables().itemCount, 0);
        }
        // The session forgets the pages after a failed read.
        if (!c.reads)
            page.Release();
        EXPECT_TRUE(writePage(page, rom));
        EXPECT_EQ(readBytes(rom), bytes);
    }
}

} // namespace
