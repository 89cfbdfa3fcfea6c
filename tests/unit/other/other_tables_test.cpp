#include "core/TabSystem.h"
#include "core/TableBuffer.h"
#include "pages/other/OtherPage.h"
#include "tests/support/PageSlots.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

// The page's ROM slots outside its dialog, on a patterned ROM of 0xD20 bytes: two trainer
// classes at 0x108, the move names at 0x140, the starters at 0xD00, 0xD11 and 0xD05. The
// dialog cases check what the page reads, edits and saves with every part configured.
class OtherSlots : public ::testing::Test {
protected:
    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        writeBytes(rom, bytes);
    }
    bool load(const std::string& keys)
    {
        writeSettings(dir.path(), "BPGJ", keys);
        page.Reset();
        page.LoadSettings("BPGJ");
        return readPage(page, rom);
    }

    TempDir dir;
    std::string rom = dir.file("rom.gba");
    std::vector<std::uint8_t> bytes = patternBytes(0xD20, 11, 2);
    CTabSystem tabs;
    COmake page{tabs};
};

TEST_F(OtherSlots, MoveNamesAndStartersGoOnWithoutAClassTable)
{
    putBytes(bytes, 0x140, {0xD5, 0xFF});
    putBytes(bytes, 0xD11, {0x04, 0x00});
    writeBytes(rom, bytes);
    ASSERT_TRUE(load("TrainerClassesNum=2\r\nAttackName=320\r\nCenter=3345\r\n"));
    EXPECT_TRUE(tabs.tables().trainerClassNames.empty());
    EXPECT_EQ(tabs.tables().moveNames[0], 0xD5);
    EXPECT_EQ(page.starter(COmake::Starter::Center), 4);
    EXPECT_EQ(page.starter(COmake::Starter::Left), 0);
    EXPECT_EQ(page.starterOffset(COmake::Starter::Right), -1);

    tabs.tables().moveNames[1] = 0xD6;
    ASSERT_TRUE(writePage(page, rom));
    bytes[0x141] = 0xD6;
    EXPECT_EQ(readBytes(rom), bytes);
}

TEST_F(OtherSlots, ReleaseFreesOnlyTheClassTable)
{
    ASSERT_TRUE(load("TrainerClasses=264\r\nTrainerClassesNum=2\r\nAttackName=320\r\nLeft=3328\r\n"));
    EXPECT_EQ(tabs.tables().trainerClassCount, 2);
    page.Release();
    EXPECT_TRUE(tabs.tables().trainerClassNames.empty());
    EXPECT_EQ(tabs.tables().trainerClassCount, 0);
    EXPECT_EQ(tabs.tables().moveNames[0], bytes[0x140]);
    EXPECT_EQ(page.starter(COmake::Starter::Left), bytes[0xD00] | bytes[0xD01] << 8);
}

TEST_F(OtherSlots, AnImpossibleCountOrAnyPartPastTheEndFailsTheRead)
{
    EXPECT_FALSE(load("TrainerClasses=264\r\nTrainerClassesNum=2147483647\r\n"));
    EXPECT_EQ(tabs.errorText(), kNoTableText);
    EXPECT_TRUE(tabs.tables().trainerClassNames.empty());
    EXPECT_EQ(tabs.tables().trainerClassCount, 0);

    for (const char* keys : {"TrainerClasses=3336\r\nTrainerClassesNum=3\r\n", "AttackName=1256\r\n",
                             "Right=3359\r\n"}) {
        SCOPED_TRACE(keys);
        tabs.setErrorText("");
        EXPECT_FALSE(load(keys));
        EXPECT_EQ(tabs.errorText(), endOfFileErrorText());
    }
}

} // namespace
