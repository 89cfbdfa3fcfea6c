#include "core/TabSystem.h"
#include "pages/text/TextDocumentWindow.h"
#include "pages/text/TextPage.h"
#include "tests/support/MemoryControls.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

using namespace text_document;

namespace {

std::vector<int> place(const IDialogControls& controls, int id)
{
    const ControlRect rect = controls.controlRect(id);
    return {rect.x, rect.y, rect.width, rect.height};
}

TEST(TextDocumentLayout, ButtonsKeepToTheRightAndTheTextTakesTheRest)
{
    std::vector<ControlDeclaration> declared;
    for (const ChildControl& control : windowSpec().controls)
        declared.push_back({control.id, ControlKind::Edit, false, control.text, control.rect});
    MemoryControls controls(declared);

    layOut(controls, 400, 300);
    EXPECT_EQ(place(controls, kAddressLabel), (std::vector{0, 0, 40, 15}));
    EXPECT_EQ(place(controls, kAddressEdit), (std::vector{40, 0, 272, 15}));
    EXPECT_EQ(place(controls, kLoadButton), (std::vector{312, 0, 30, 15}));
    EXPECT_EQ(place(controls, kSaveButton), (std::vector{345, 0, 55, 15}));
    EXPECT_EQ(place(controls, kTextEdit), (std::vector{0, 16, 400, 284}));

    // Smaller than the top row: nothing gets a negative size.
    layOut(controls, 50, 10);
    EXPECT_EQ(place(controls, kAddressEdit), (std::vector{40, 0, 0, 15}));
    EXPECT_EQ(place(controls, kTextEdit), (std::vector{0, 16, 50, 0}));
}

// The page has no dialog and no table: the session's reads and writes pass it by.
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

    page.Reset();
    page.LoadSettings("BPRJ");
    {
        ResultOf<RomFile> file = RomFile::openForWriting(rom);
        file->close();
        EXPECT_TRUE(page.DataRead(*file));
        EXPECT_TRUE(page.DataWrite(*file));
    }
    page.Release();
    EXPECT_TRUE(tabs.errorText().empty());
    EXPECT_EQ(readBytes(rom), bytes);
    EXPECT_EQ(page.documentCounter(), 0);
    EXPECT_TRUE(page.documents().empty());
}

} // namespace
