#include "core/TabSystem.h"
#include "pages/move/MovePage.h"
#include "tests/support/PageSlots.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

// The page's ROM slots outside its dialog, with the 4260-byte table at 0x110 of a patterned
// ROM that ends right behind it; the dialog cases check what the page reads, edits and saves.
class MoveSlots : public ::testing::Test {
protected:
    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        writeSettings(dir.path(), "BPRJ", "AttackTable=272\r\n");
        page.Reset();
        page.LoadSettings("BPRJ");
    }

    TempDir dir;
    std::string rom = dir.file("rom.gba");
    const std::vector<std::uint8_t> bytes = patternBytes(0x110 + 4260, 7, 3);
    CTabSystem tabs;
    CAttack_Edit page{tabs};
};

TEST_F(MoveSlots, ReleaseForgetsTheTableButKeepsTheOffset)
{
    writeBytes(rom, bytes);
    ASSERT_TRUE(readPage(page, rom));
    EXPECT_TRUE(page.loaded());
    EXPECT_EQ(page.record(354)[11], bytes.back());
    EXPECT_TRUE(page.record(355).empty());

    // A write the file refuses reports the system's text.
    ResultOf<RomFile> readOnly = RomFile::openForReading(rom);
    EXPECT_FALSE(page.DataWrite(*readOnly));
    EXPECT_FALSE(tabs.errorText().empty());

    page.Release();
    EXPECT_FALSE(page.loaded());
    EXPECT_EQ(page.tableOffset(), 0x110);
    for (std::size_t move = 0; move < move_record::kCount; ++move) {
        for (std::uint8_t byte : page.record(move))
            ASSERT_EQ(byte, 0);
    }
}

TEST_F(MoveSlots, ATableRunningPastTheEndFailsAndIsNeverWritten)
{
    const std::vector<std::uint8_t> shorter(bytes.begin(), bytes.end() - 1);
    writeBytes(rom, shorter);
    EXPECT_FALSE(readPage(page, rom));
    EXPECT_EQ(tabs.errorText(), endOfFileErrorText());
    EXPECT_FALSE(page.loaded());
    EXPECT_TRUE(writePage(page, rom));
    EXPECT_EQ(readBytes(rom), shorter);
}

} // namespace
