#include "core/TabSystem.h"
#include "core/TableBuffer.h"
#include "pages/typechart/TypeChartPage.h"
#include "tests/support/PageSlots.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// Pointer and lists sit past the cartridge header, which no write may touch.
constexpr std::size_t kBase = 0x100;

// Bytes 0x00 to 0x7F only, so the filler never looks like an end byte.
std::vector<std::uint8_t> patternRom(std::size_t size)
{
    std::vector<std::uint8_t> rom(size);
    for (std::size_t i = 0; i < size; ++i)
        rom[i] = static_cast<std::uint8_t>((i * 3 + 1) & 0x7F);
    return rom;
}

class TypeChartTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        writeSettings(dir.path(), "AXVJ", "Compatibility=260\r\n");
    }

    bool load(const std::vector<std::uint8_t>& bytes)
    {
        writeBytes(rom, bytes);
        page.Reset();
        page.LoadSettings("AXVJ");
        return readPage(page, rom);
    }
    bool write() { return writePage(page, rom); }

    TempDir dir;
    std::string rom = dir.file("rom.gba");
    CTabSystem tabs;
    CTamblor_Compatibility page{tabs};
};

TEST_F(TypeChartTable, FollowsThePointerAndRewritesOnlyTheEntries)
{
    std::vector<std::uint8_t> bytes = patternRom(kBase + 64);
    putBytes(bytes, kBase + 4, {0x20, 0x01, 0x00, 0x08});
    putBytes(bytes, kBase + 0x20, {0x0A, 0x05, 0x05, 0x0B, 0x0A, 0x14, 0x0D, 0x04, 0x00, 0xFE, 0xFE});
    ASSERT_TRUE(load(bytes));

    EXPECT_EQ(page.tableOffset(), 0x120);
    ASSERT_EQ(page.entryCount(), 3u);
    EXPECT_EQ(std::vector<std::uint8_t>(page.entry(1).begin(), page.entry(1).end()),
              (std::vector<std::uint8_t>{0x0B, 0x0A, 0x14}));
    EXPECT_TRUE(page.entry(3).empty());

    page.entry(0)[2] = 0x14;
    page.entry(2)[0] = 0x0C;
    ASSERT_TRUE(write());
    std::vector<std::uint8_t> expected = bytes;
    putBytes(expected, kBase + 0x20, {0x0A, 0x05, 0x14, 0x0B, 0x0A, 0x14, 0x0C, 0x04, 0x00});
    EXPECT_EQ(readBytes(rom), expected);
}

TEST_F(TypeChartTable, EndBytesRightAtTheTableGiveNoEntriesAndNoWrite)
{
    std::vector<std::uint8_t> bytes = patternRom(kBase + 64);
    putBytes(bytes, kBase + 4, {0x20, 0x01, 0x00, 0x08});
    putBytes(bytes, kBase + 0x20, {0xFE, 0xFE});
    ASSERT_TRUE(load(bytes));
    EXPECT_EQ(page.entryCount(), 0u);
    EXPECT_TRUE(write());
    EXPECT_EQ(readBytes(rom), bytes);
}

TEST_F(TypeChartTable, ALoneEndByteDoesNotCloseTheList)
{
    // The pair straddles the scan's 4 KiB chunks.
    std::vector<std::uint8_t> bytes = patternRom(kBase + 0x2100);
    putBytes(bytes, kBase + 4, {0x00, 0x02, 0x00, 0x08});
    putBytes(bytes, kBase + 0x100, {0x01, 0xFE, 0x02});
    putBytes(bytes, kBase + 0x100 + 4095, {0xFE, 0xFE});
    ASSERT_TRUE(load(bytes));
    EXPECT_EQ(page.entryCount(), 4095u / 3);
    EXPECT_EQ(page.entry(0)[1], 0xFE);
}

TEST_F(TypeChartTable, ListsWithoutAnEndAndBadPointersFailWithoutEntries)
{
    std::vector<std::uint8_t> noEnd = patternRom(kBase + 0x3000);
    putBytes(noEnd, kBase + 4, {0x00, 0x02, 0x00, 0x08});
    putBytes(noEnd, kBase + 0x2FFF, {0xFE});
    EXPECT_FALSE(load(noEnd));
    EXPECT_EQ(tabs.errorText(), endOfFileErrorText());
    EXPECT_EQ(page.entryCount(), 0u);

    for (std::vector<std::uint8_t> pointer : {std::vector<std::uint8_t>{0x10, 0x00, 0x00, 0x00},
                                              std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF},
                                              std::vector<std::uint8_t>{0x00, 0x00, 0x00, 0x09}}) {
        std::vector<std::uint8_t> bytes = patternRom(kBase + 64);
        putBytes(bytes, kBase + 4, pointer);
        tabs.setErrorText("");
        EXPECT_FALSE(load(bytes));
        EXPECT_FALSE(tabs.errorText().empty());
        EXPECT_EQ(page.entryCount(), 0u);
    }

    EXPECT_FALSE(load(patternRom(kBase + 6)));
    EXPECT_EQ(tabs.errorText(), endOfFileErrorText());
}

TEST_F(TypeChartTable, WithoutTheKeyNothingIsRead)
{
    writeFile(dir.file("Setting.ini"), "[AXVJ]\r\nAttackTable=4\r\n");
    const std::vector<std::uint8_t> bytes = patternRom(4);
    EXPECT_TRUE(load(bytes));
    EXPECT_EQ(page.pointerLocation(), -1);
    EXPECT_TRUE(write());
    EXPECT_EQ(readBytes(rom), bytes);
}

TEST_F(TypeChartTable, ReleaseFreesTheEntries)
{
    std::vector<std::uint8_t> bytes = patternRom(kBase + 64);
    putBytes(bytes, kBase + 4, {0x20, 0x01, 0x00, 0x08});
    putBytes(bytes, kBase + 0x20, {0x00, 0x01, 0x14, 0xFE, 0xFE});
    ASSERT_TRUE(load(bytes));
    ASSERT_EQ(page.entryCount(), 1u);
    page.Release();
    EXPECT_EQ(page.entryCount(), 0u);
    EXPECT_TRUE(write());
    EXPECT_EQ(readBytes(rom), bytes);
}

} // namespace
