#include "core/TabSystem.h"
#include "pages/text/TextPage.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

TEST(TextPageSlots, TheSessionPassesNeitherReadNorWriteTheRom)
{
    TempDir dir;
    writeFile(dir.file("Setting.ini"), "[BPRJ]\r\nAttackTable=0\r\n");
    const std::vector<std::uint8_t> bytes = {0x01, 0x02, 0xFF, 0x7F};
    const std::string rom = dir.file("rom.gba");
    writeBytes(rom, bytes);
    CTabSystem tabs;
    tabs.setProgramDirectory(dir.path());
    CTamblorText page(tabs);

    EXPECT_EQ(page.DialogId(), 0);
    EXPECT_EQ(page.documentCounter(), 0);
    EXPECT_TRUE(page.documents().empty());

    page.Reset();
    page.LoadSettings("BPRJ");
    RomFile closed;
    EXPECT_TRUE(page.DataRead(closed));
    {
        RomFile file = RomFile::openForWriting(rom);
        EXPECT_TRUE(page.DataWrite(file));
    }
    page.Release();

    EXPECT_TRUE(tabs.errorText().empty());
    EXPECT_EQ(readBytes(rom), bytes);
    EXPECT_EQ(page.documentCounter(), 0);
    EXPECT_TRUE(page.documents().empty());
}

} // namespace
