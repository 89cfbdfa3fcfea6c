#include "pages/image/ImagePage.h"

#include "core/TabSystem.h"
#include "core/TableBuffer.h"
#include "tests/support/PageSlots.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr const char* kTwoEntries = "[BPRJ]\r\n"
                                    "MonsterPics=272\r\nMonsterPal=288\r\nMonsterBackPics=304\r\nMonsterShinyPal=320\r\n"
                                    "PicsNum=2\r\n"
                                    "domain1=4096\r\ndomain1end=8192\r\n"
                                    "domain2=8192\r\n"
                                    "domain3=9000\r\ndomain3end=9000\r\n";
constexpr const char* kFourTables = "[BPRJ]\r\nMonsterPics=16\r\nMonsterPal=32\r\nMonsterBackPics=48\r\nMonsterShinyPal=64\r\n";

// Four tables of two entries, 16 bytes apart from 0x110, past the cartridge header, every byte
// telling where it came from, the first entry pointing at 0x08301000; the rest is fill.
Bytes romWithTables(std::uint8_t fill)
{
    Bytes rom(0x160, fill);
    for (std::size_t i = 0x110; i < 0x150; ++i)
        rom[i] = static_cast<std::uint8_t>(i);
    putBytes(rom, 0x110, {0x00, 0x10, 0x30, 0x08});
    return rom;
}

struct ImagePageTest : ::testing::Test {
    TempDir dir;
    CTabSystem tabs;
    CImage page{tabs};
    std::string romPath = dir.file("rom.gba");

    void configure(const std::string& ini)
    {
        writeFile(dir.file("Setting.ini"), ini);
        tabs.setProgramDirectory(dir.path());
        page.Reset();
        page.LoadSettings("BPRJ");
    }
};

} // namespace

TEST_F(ImagePageTest, ResetLeavesTheDefaults)
{
    page.Reset();
    EXPECT_EQ(page.picsNum(), -1);
    EXPECT_EQ(page.tableOffset(ImageItem::ShinyPalette), -1);
    EXPECT_FALSE(page.hasTables());
    EXPECT_FALSE(page.domain(0).isSet());
    EXPECT_EQ(page.normalPalette()[15], 0xFFFFFFu);
    EXPECT_EQ(page.shinyPalette()[15], 0x000000u);
    EXPECT_EQ(page.frontFrames(), 1);
    EXPECT_EQ(page.backFrames(), 1);
}

TEST_F(ImagePageTest, ReadsAndWritesTheFourTables)
{
    configure(kTwoEntries);
    EXPECT_EQ(page.tableOffset(ImageItem::BackPicture), 304);
    EXPECT_EQ(page.domain(0).start, 4096);
    EXPECT_EQ(page.domain(0).length, 4096);
    EXPECT_FALSE(page.domain(1).isSet());
    EXPECT_FALSE(page.domain(2).isSet());

    writeBytes(romPath, romWithTables(0xCC));
    ASSERT_TRUE(readPage(page, romPath));
    EXPECT_EQ(page.entryPointer(ImageItem::FrontPicture, 0), 0x08301000u);
    EXPECT_EQ(page.entryPointer(ImageItem::NormalPalette, 1), 0x2B2A2928u);
    EXPECT_EQ(page.entryPointer(ImageItem::ShinyPalette, 2), 0u);
    EXPECT_EQ(Bytes(page.table(ImageItem::ShinyPalette).begin(), page.table(ImageItem::ShinyPalette).end()),
              (Bytes{64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79}));

    const std::string copyPath = dir.file("copy.gba");
    writeBytes(copyPath, Bytes(0x160, 0xEE));
    ASSERT_TRUE(writePage(page, copyPath));
    EXPECT_EQ(readBytes(copyPath), romWithTables(0xEE));
    page.Release();
    EXPECT_FALSE(page.hasTables());
}

TEST_F(ImagePageTest, IncompleteSettingsLeaveThePageWithoutTables)
{
    writeBytes(romPath, Bytes(8, 0));
    for (const std::string& keys : {std::string("[BPRJ]\r\nMonsterPics=16\r\nMonsterPal=32\r\nMonsterBackPics=48\r\nPicsNum=2\r\n"),
                                    kFourTables + std::string("PicsNum=0\r\n")}) {
        configure(keys);
        EXPECT_FALSE(page.hasTables()) << keys;
        EXPECT_TRUE(readPage(page, romPath)) << keys;
    }
}

TEST_F(ImagePageTest, AShortRomOrAHugePicsNumFailsTheRead)
{
    configure(kTwoEntries);
    writeBytes(romPath, Bytes(70, 0));
    EXPECT_FALSE(readPage(page, romPath));
    EXPECT_FALSE(tabs.errorText().empty());

    configure(kFourTables + std::string("PicsNum=2000000000\r\n"));
    EXPECT_FALSE(page.hasTables());
    writeBytes(romPath, romWithTables(0xCC));
    EXPECT_FALSE(readPage(page, romPath));
    EXPECT_EQ(tabs.errorText(), kNoTableText);
    configure(kTwoEntries);
    EXPECT_TRUE(readPage(page, romPath));
}
