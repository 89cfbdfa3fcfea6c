#include "core/TabSystem.h"
#include "pages/typechart/TypeChartPage.h"
#include "tests/support/PageSlots.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The page's ROM slots outside its dialog, with the pointer at 0x104; the dialog cases check
// what the page reads, edits and saves of a short list.
class TypeChartSlots : public ::testing::Test {
protected:
    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        writeSettings(dir.path(), "AXVJ", "Compatibility=260\r\n");
    }
    // Bytes 0x00 to 0x7F only, so the filler never looks like an end byte; the pointer at
    // 0x104 and the list where it leads.
    static Bytes chartRom(std::size_t size, const Bytes& pointer, std::size_t listAt = 0, const Bytes& list = {})
    {
        Bytes rom(size);
        for (std::size_t i = 0; i < size; ++i)
            rom[i] = static_cast<std::uint8_t>((i * 3 + 1) & 0x7F);
        putBytes(rom, 0x104, pointer);
        putBytes(rom, listAt, list);
        return rom;
    }
    bool load(const Bytes& bytes)
    {
        writeBytes(rom, bytes);
        page.Reset();
        page.LoadSettings("AXVJ");
        return readPage(page, rom);
    }

    TempDir dir;
    std::string rom = dir.file("rom.gba");
    CTabSystem tabs;
    CTamblor_Compatibility page{tabs};
};

TEST_F(TypeChartSlots, OnlyTwoEndBytesCloseTheList)
{
    // A lone end byte at 0x201; the pair straddles the scan's 4 KiB chunks.
    const Bytes bytes = chartRom(0x2200, {0x00, 0x02, 0x00, 0x08}, 0x200, {0x01, 0xFE, 0x02});
    Bytes withEnd = bytes;
    putBytes(withEnd, 0x200 + 4095, {0xFE, 0xFE});
    ASSERT_TRUE(load(withEnd));
    EXPECT_EQ(page.entryCount(), 4095u / 3);
    EXPECT_EQ(page.entry(0)[1], 0xFE);
    EXPECT_TRUE(page.entry(4095 / 3).empty());

    page.Release();
    EXPECT_EQ(page.entryCount(), 0u);
    EXPECT_TRUE(writePage(page, rom));
    EXPECT_EQ(readBytes(rom), withEnd);

    // Without the pair the list runs to the end of the file.
    EXPECT_FALSE(load(bytes));
    EXPECT_EQ(tabs.errorText(), endOfFileErrorText());
    EXPECT_EQ(page.entryCount(), 0u);
}

TEST_F(TypeChartSlots, BadPointersFailWithoutEntries)
{
    for (const Bytes& pointer : {Bytes{0x10, 0x00, 0x00, 0x00}, Bytes{0xFF, 0xFF, 0xFF, 0xFF}, Bytes{0x00, 0x00, 0x00, 0x09}}) {
        tabs.setErrorText("");
        EXPECT_FALSE(load(chartRom(0x140, pointer)));
        EXPECT_FALSE(tabs.errorText().empty());
        EXPECT_EQ(page.entryCount(), 0u);
    }
    // The file ends inside the pointer.
    EXPECT_FALSE(load(Bytes(0x106, 0x00)));
    EXPECT_EQ(tabs.errorText(), endOfFileErrorText());
}

TEST_F(TypeChartSlots, WithoutTheKeyNothingIsRead)
{
    writeFile(dir.file("Setting.ini"), "[AXVJ]\r\nAttackTable=4\r\n");
    const Bytes bytes = {0x01, 0x04, 0x07, 0x0A};
    EXPECT_TRUE(load(bytes));
    EXPECT_EQ(page.pointerLocation(), -1);
    EXPECT_TRUE(writePage(page, rom));
    EXPECT_EQ(readBytes(rom), bytes);
}

} // namespace
