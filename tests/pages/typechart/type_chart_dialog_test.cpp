#include "core/relocation/RelocationDialog.h"
#include "pages/typechart/TypeChartDialog.h"
#include "pages/typechart/TypeChartPage.h"
#include "tests/pages/PageDialogTest.h"
#include "tests/pages/RelocationScript.h"
#include "tests/pages/TestShell.h"
#include "tests/support/PageSlots.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace type_chart_dialog;

namespace {

// The pointer at 0x104 leads to three entries at 0x120; 40 bytes of 0xFF lie at 0x200.
// All of it sits past the cartridge header, which no write may touch.
std::vector<std::uint8_t> typeChartRom(const std::vector<std::uint8_t>& chart)
{
    std::vector<std::uint8_t> rom(0x300, 0x00);
    putBytes(rom, 0xAC, {'B', 'P', 'G', 'J'});
    putBytes(rom, 0x104, {0x20, 0x01, 0x00, 0x08});
    putBytes(rom, 0x120, chart);
    std::fill_n(rom.begin() + 0x200, 40, 0xFF);
    return rom;
}

const std::vector<std::uint8_t> kChart = {0x0A, 0x05, 0x05, 0x0B, 0x0A, 0x14, 0x0D, 0x04, 0x00, 0xFE, 0xFE};

class TypeChartDialog : public PageDialogTest {
protected:
    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        tabs.setStatusLine(&status);
        tabs.AddPage(std::make_unique<CTamblor_Compatibility>(tabs), "相性変更");
        tabs.showFirstPage();
        writeSettings(dir.path(), "BPGJ", "Compatibility=260\r\n");
    }
    void open(const std::vector<std::uint8_t>& chart = kChart)
    {
        bytes = typeChartRom(chart);
        writeBytes(rom, bytes);
        ASSERT_EQ(tabs.openRom(rom), CTabSystem::kReadDone) << toUtf8(status.last());
    }
    CTamblor_Compatibility& page() { return static_cast<CTamblor_Compatibility&>(*tabs.pages()[0]); }
    std::vector<std::uint8_t> entry(std::size_t index)
    {
        const auto bytes = page().entry(index);
        return {bytes.begin(), bytes.end()};
    }
    void selectLine(int line)
    {
        dialog().setSelection(kList, line);
        sendCommand(*host, tabs, kList, window_message::kListSelChange);
    }
    // RePoint to the first candidate of the free run for the count.
    void rePoint(const char* count, bool copy)
    {
        shell->scriptModal([=](IDialogControls& controls, const ScriptedShell::Command& command) {
            EXPECT_EQ(controls.caption(), "相性変更～");
            EXPECT_EQ(controls.text(relocation_dialog::kCount, 16), "3");
            searchAndStore(controls, command, count, "0x200", "0x228", copy);
        });
        press(kRePoint);
    }

    std::unique_ptr<ScriptedShell> shell = makeTestShell(tabs);
};

} // namespace

TEST_F(TypeChartDialog, ListsEveryEntryAndStoresTheCombosIntoTheSelectedOne)
{
    open();
    ASSERT_EQ(dialog().itemCount(kList), 3);
    EXPECT_EQ(dialog().itemText(kList, 0), "火\t岩\t半減");
    EXPECT_EQ(dialog().itemText(kList, 2), "電気\t地面\t無効");
    EXPECT_EQ(dialog().itemCount(kAttacker), 18);
    EXPECT_EQ(dialog().itemCount(kMultiplier), 3);
    EXPECT_EQ(dialog().selection(kList), 0);
    EXPECT_EQ(dialog().selection(kAttacker), 10);
    EXPECT_EQ(dialog().selection(kMultiplier), 1);
    for (int id : kEditControls)
        EXPECT_TRUE(dialog().isEnabled(id)) << id;

    selectLine(1);
    EXPECT_EQ(page().currentEntry(), 1u);
    EXPECT_EQ(dialog().selection(kDefender), 10);
    EXPECT_EQ(dialog().selection(kMultiplier), 2);
    dialog().setSelection(kAttacker, 3);
    dialog().setSelection(kDefender, 17);
    dialog().setSelection(kMultiplier, 0);
    press(kStore);
    EXPECT_EQ(dialog().itemText(kList, 1), "毒\t悪\t無効");
    EXPECT_EQ(dialog().selection(kList), 1);
    std::vector<std::uint8_t> expected = bytes;
    putBytes(expected, 0x123, {0x03, 0x11, 0x00});
    saveAndExpect(expected);
}

TEST_F(TypeChartDialog, ValuesTheCombosCannotShowAreKept)
{
    open({0x12, 0x30, 0x0A, 0xFE, 0xFE});
    EXPECT_EQ(dialog().itemText(kList, 0), "18\t48\t10");
    EXPECT_EQ(dialog().selection(kAttacker), IDialogControls::kNoItem);
    EXPECT_EQ(dialog().selection(kDefender), IDialogControls::kNoItem);
    EXPECT_EQ(dialog().selection(kMultiplier), IDialogControls::kNoItem);
    press(kStore);
    EXPECT_EQ(entry(0), (std::vector<std::uint8_t>{0x12, 0x30, 0x0A}));
    dialog().setSelection(kAttacker, 1);
    press(kStore);
    EXPECT_EQ(entry(0), (std::vector<std::uint8_t>{0x01, 0x30, 0x0A}));
    EXPECT_EQ(dialog().itemText(kList, 0), "格闘\t48\t10");
}

TEST_F(TypeChartDialog, AnEmptyChartLeavesThePageDisabled)
{
    open({0xFE, 0xFE});
    EXPECT_EQ(dialog().itemCount(kList), 0);
    for (int id : kEditControls)
        EXPECT_FALSE(dialog().isEnabled(id)) << id;
    saveAndExpect(bytes);
}

TEST_F(TypeChartDialog, RePointWritesTheEntriesAndEndThenThePointer)
{
    open();
    rePoint("5", true);
    EXPECT_EQ(shell->modalTemplates(), std::vector<int>{relocation_dialog::kTemplateId});
    std::vector<std::uint8_t> expected = bytes;
    putBytes(expected, 0x104, {0x02, 0x02, 0x00, 0x08});
    putBytes(expected, 0x202, {0x0A, 0x05, 0x05, 0x0B, 0x0A, 0x14, 0x0D, 0x04, 0x00, 0, 0, 0, 0, 0, 0, 0xFE, 0xFE});
    EXPECT_EQ(readBytes(rom), expected);
    EXPECT_EQ(page().tableOffset(), 0x202);
    EXPECT_EQ(dialog().itemCount(kList), 5);
    EXPECT_EQ(dialog().itemText(kList, 4), "ノーマル\tノーマル\t無効");
    EXPECT_EQ(status.last(), "保存しました。");
    EXPECT_TRUE(shell->messages().empty());
}

TEST_F(TypeChartDialog, AFailedRePointLeavesThePointerAndThePage)
{
    open();
    selectLine(2);
    ReadOnlyFile readOnly(rom);
    if (!readOnly.isReadOnly())
        GTEST_SKIP() << "the ROM cannot be made read-only here";
    rePoint("2", false);
    EXPECT_EQ(readBytes(rom), bytes);
    EXPECT_EQ(status.last().rfind("CTamblor_Compatibility::GbaRomData_Comp_Data_Save を実行中にエラーが発生しました。", 0), 0u);
    EXPECT_EQ(dialog().itemCount(kList), 3);
    EXPECT_EQ(page().tableOffset(), 0x120);
    EXPECT_EQ(dialog().selection(kList), 2);
}

TEST_F(TypeChartDialog, AReReadThatFailsLeavesThePageDisabledAndEmpty)
{
    open();
    std::remove(rom.c_str());
    page().ReInd();
    EXPECT_FALSE(status.last().empty());
    EXPECT_EQ(page().entryCount(), 0u);
    EXPECT_EQ(dialog().itemCount(kList), 0);
    for (int id : kEditControls)
        EXPECT_FALSE(dialog().isEnabled(id)) << id;

    open();
    writeBytes(rom, std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 0x126));
    page().ReInd();
    EXPECT_EQ(status.last().rfind("CTamblor_Compatibility::ReInd を実行中にエラーが発生しました。", 0), 0u);
    EXPECT_EQ(dialog().itemCount(kList), 0);
    EXPECT_FALSE(dialog().isEnabled(kRePoint));
}
