#include "pages/image/ImagePage.h"

#include "core/TabSystem.h"
#include "core/TableBuffer.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <vector>

using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr const char* kTwoEntries = "[BPRJ]\r\n"
                                    "MonsterPics=272\r\nMonsterPal=288\r\nMonsterBackPics=304\r\nMonsterShinyPal=320\r\n"
                                    "PicsNum=2\r\n"
                                    "domain1=4096\r\ndomain1end=8192\r\n"
                                    "domain2=8192\r\n"
                                    "domain3=9000\r\ndomain3end=9000\r\n";

// Four tables of two entries, 16 bytes apart from 0x110, past the cartridge header; every byte
// tells where it came from.
Bytes romWithTables()
{
    Bytes rom(0x160, 0xCC);
    for (std::size_t i = 0x110; i < 0x150; ++i)
        rom[i] = static_cast<std::uint8_t>(i);
    rom[0x110] = 0x00, rom[0x111] = 0x10, rom[0x112] = 0x30, rom[0x113] = 0x08; // 0x08301000
    return rom;
}

struct ImagePageTest : ::testing::Test {
    TempDir dir;
    CTabSystem tabs;
    CImage page{tabs};
    std::string romPath = dir.file("rom.gba");

    void configure(const char* ini)
    {
        writeFile(dir.file("Setting.ini"), ini);
        tabs.setProgramDirectory(dir.path());
        page.Reset();
        page.LoadSettings("BPRJ");
    }
    bool read()
    {
        RomFile file = RomFile::openForReading(romPath);
        return page.DataRead(file);
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

    writeBytes(romPath, romWithTables());
    ASSERT_TRUE(read());
    EXPECT_EQ(page.entryPointer(ImageItem::FrontPicture, 0), 0x08301000u);
    EXPECT_EQ(page.entryPointer(ImageItem::NormalPalette, 1), 0x2B2A2928u);
    EXPECT_EQ(page.entryPointer(ImageItem::ShinyPalette, 2), 0u);
    EXPECT_EQ(Bytes(page.table(ImageItem::ShinyPalette).begin(), page.table(ImageItem::ShinyPalette).end()),
              (Bytes{64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79}));

    const std::string copyPath = dir.file("copy.gba");
    writeBytes(copyPath, Bytes(0x160, 0xEE));
    {
        RomFile file = RomFile::openForWriting(copyPath);
        ASSERT_TRUE(page.DataWrite(file));
    }
    Bytes expected(0x160, 0xEE);
    for (std::size_t i = 0x110; i < 0x150; ++i)
        expected[i] = static_cast<std::uint8_t>(i);
    expected[0x110] = 0x00, expected[0x111] = 0x10, expected[0x112] = 0x30, expected[0x113] = 0x08;
    EXPECT_EQ(readBytes(copyPath), expected);

    page.Release();
    EXPECT_FALSE(page.hasTables());
}

TEST_F(ImagePageTest, ShortRomFailsTheRead)
{
    configure(kTwoEntries);
    writeBytes(romPath, Bytes(70, 0));
    EXPECT_FALSE(read());
    EXPECT_FALSE(tabs.errorText().empty());
}

TEST_F(ImagePageTest, IncompleteSettingsLeaveThePageWithoutTables)
{
    configure("[BPRJ]\r\nMonsterPics=16\r\nMonsterPal=32\r\nMonsterBackPics=48\r\nPicsNum=2\r\n");
    EXPECT_FALSE(page.hasTables());
    writeBytes(romPath, Bytes(8, 0));
    EXPECT_TRUE(read());

    configure("[BPRJ]\r\nMonsterPics=16\r\nMonsterPal=32\r\nMonsterBackPics=48\r\nMonsterShinyPal=64\r\nPicsNum=0\r\n");
    EXPECT_FALSE(page.hasTables());
    EXPECT_TRUE(read());
}

TEST_F(ImagePageTest, HugePicsNumFailsTheReadWithoutTables)
{
    configure("[BPRJ]\r\nMonsterPics=16\r\nMonsterPal=32\r\nMonsterBackPics=48\r\nMonsterShinyPal=64\r\n"
              "PicsNum=2000000000\r\n");
    EXPECT_FALSE(page.hasTables());
    writeBytes(romPath, romWithTables());
    EXPECT_FALSE(read());
    EXPECT_EQ(tabs.errorText(), kNoTableText);

    configure(kTwoEntries);
    EXPECT_TRUE(read());
}
