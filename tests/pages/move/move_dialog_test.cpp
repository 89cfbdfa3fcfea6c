#include "pages/move/MoveDialog.h"
#include "pages/move/MovePage.h"
#include "tests/pages/BlankPage.h"
#include "tests/pages/PageDialogTest.h"
#include "tests/support/PageSlots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

using namespace move_dialog;

namespace {

constexpr std::size_t kTableAt = 0x100;
constexpr std::size_t kTableBytes = 4260;
const std::vector<std::uint8_t> kMove1 = {0x01, 0x28, 0x00, 0x64, 0x23, 0x00, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16};
// Effect 5 and type 18 lie beyond the lists.
const std::vector<std::uint8_t> kMove354 = {0x05, 0xC8, 0x12, 0x5A, 0x05, 0x1E, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5};

std::vector<std::uint8_t> moveRom()
{
    std::vector<std::uint8_t> rom = patternBytes(kTableAt + kTableBytes + 16, 7, 3);
    putBytes(rom, 0xAC, {'B', 'P', 'R', 'J'});
    putBytes(rom, kTableAt + 12, kMove1);
    putBytes(rom, kTableAt + 354 * 12, kMove354);
    return rom;
}

class MoveDialog : public PageDialogTest {
protected:
    MoveDialog() : PageDialogTest(moveRom()) {}

    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        tabs.setStatusLine(&status);
        tabs.AddPage(std::make_unique<CAttack_Edit>(tabs), "アタックエディター");
        tabs.AddPage(std::make_unique<CBlankPage>(tabs), "blank");
        tabs.showFirstPage();
        // Move name table entry 0 names move 1: はたく.
        const std::uint8_t name[] = {0x1A, 0x10, 0x08, 0xFF};
        std::copy(std::begin(name), std::end(name), tabs.tables().moveNames.begin());
        writeFile(dir.file("effects.ini"), "なし\r\nどく\r\nまひ\r\n");
    }
    void open(const std::string& keys = "AttackTable=256\r\n")
    {
        writeSettings(dir.path(), "BPRJ", keys);
        writeBytes(rom, bytes);
        ASSERT_EQ(tabs.openRom(rom), CTabSystem::kReadDone) << toUtf8(status.last());
    }
    CAttack_Edit& page() { return static_cast<CAttack_Edit&>(*tabs.pages()[0]); }
    void selectMove(int move)
    {
        dialog().setSelection(kSelector, move);
        sendCommand(*host, tabs, kSelector, window_message::kComboSelChange);
    }
    std::vector<std::string> shownNumbers()
    {
        std::vector<std::string> texts;
        for (int id : {kPower, kAccuracy, kPp, kEffectChance})
            texts.push_back(dialog().text(id, kNumberInputLength));
        for (int id : kRawByteEdits)
            texts.push_back(dialog().text(id, kNumberInputLength));
        return texts;
    }
    void expectSaved(std::size_t move, const std::vector<std::uint8_t>& record)
    {
        std::vector<std::uint8_t> expected = bytes;
        putBytes(expected, kTableAt + move * 12, record);
        saveAndExpect(expected);
    }
};

} // namespace

TEST_F(MoveDialog, ShowsTheChosenMoveAndStoresItsFields)
{
    open();
    for (int id : kAllControls)
        EXPECT_TRUE(dialog().isEnabled(id)) << id;
    ASSERT_EQ(dialog().itemCount(kSelector), 355);
    EXPECT_EQ(dialog().itemText(kSelector, 0), "0不明");
    EXPECT_EQ(dialog().itemText(kSelector, 1), "はたく終　　　");
    EXPECT_EQ(dialog().selection(kSelector), 0);
    ASSERT_EQ(dialog().itemCount(kEffect), 3);
    EXPECT_EQ(dialog().itemText(kEffect, 2), "まひ");
    EXPECT_EQ(dialog().itemCount(kType), 18);

    selectMove(1);
    EXPECT_EQ(page().currentMove(), 1u);
    EXPECT_EQ(dialog().selection(kEffect), 1);
    EXPECT_EQ(dialog().selection(kType), 0);
    EXPECT_EQ(shownNumbers(),
              (std::vector<std::string>{"40", "100", "35", "0", "17", "18", "19", "20", "21", "22"}));

    // Other tabs and back: the same lists, filled once, and the same move.
    for (int round = 0; round < 2; ++round) {
        chooseTab(*host, tabs, 1);
        chooseTab(*host, tabs, 0);
    }
    EXPECT_EQ(dialog().itemCount(kSelector), 355);
    EXPECT_EQ(dialog().itemCount(kEffect), 3);
    EXPECT_EQ(dialog().itemCount(kType), 18);
    EXPECT_EQ(dialog().selection(kSelector), 1);
    EXPECT_EQ(dialog().selection(kEffect), 1);
    EXPECT_EQ(dialog().text(kPower, kNumberInputLength), "40");

    // Numbers keep their low 8 bits; the raw bytes stay while the check box is clear.
    dialog().setSelection(kEffect, 2);
    dialog().setSelection(kType, 13);
    dialog().setText(kPower, "300");
    dialog().setText(kAccuracy, "90");
    dialog().setText(kPp, "999");
    dialog().setText(kEffectChance, "");
    for (int id : kRawByteEdits)
        dialog().setText(id, "1");
    press(kStore);
    EXPECT_EQ(status.last(), "正常終了。");
    expectSaved(1, {0x02, 0x2C, 0x0D, 0x5A, 0xE7, 0x00, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16});

    dialog().setChecked(kStoreRawBytes, true);
    const char* raw[] = {"255", "256", "7", "0", "128", "65"};
    for (std::size_t i = 0; i < 6; ++i)
        dialog().setText(kRawByteEdits[i], raw[i]);
    press(kStore);
    expectSaved(1, {0x02, 0x2C, 0x0D, 0x5A, 0xE7, 0x00, 0xFF, 0x00, 0x07, 0x00, 0x80, 0x41});
    // A number cut to its byte shows what was stored.
    EXPECT_EQ(dialog().text(kRawByteEdits[1], 9), "0");
}

TEST_F(MoveDialog, ATypeTheListCannotShowIsKeptAndAMissingEffectBecomesZero)
{
    open();
    selectMove(354);
    EXPECT_EQ(dialog().selection(kEffect), IDialogControls::kNoItem);
    EXPECT_EQ(dialog().selection(kType), IDialogControls::kNoItem);
    press(kStore);
    EXPECT_EQ(status.last(), "技タイプ: 正しい値を取得できなかったので、0を設定しました。");
    EXPECT_EQ(dialog().selection(kEffect), 0);
    expectSaved(354, {0x00, 0xC8, 0x12, 0x5A, 0x05, 0x1E, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5});

    selectMove(0);
    EXPECT_EQ(page().currentMove(), 0u);
    dialog().setText(kPower, "12");
    press(kStore);
    EXPECT_EQ(page().record(0)[1], 12);
}

TEST_F(MoveDialog, WithoutEffectsIniTheEffectListIsEmptyAndStoresZero)
{
    std::remove(dir.file("effects.ini").c_str());
    open();
    const auto& texts = status.texts;
    const std::string missing = "\"effects.ini\"ファイルを開けませんでした。";
    EXPECT_NE(std::find(texts.begin(), texts.end(), missing), texts.end());
    EXPECT_EQ(dialog().itemCount(kEffect), 0);
    selectMove(1);
    press(kStore);
    EXPECT_EQ(status.last(), "技タイプ: 正しい値を取得できなかったので、0を設定しました。");
    EXPECT_EQ(page().record(1)[0], 0);
}

TEST_F(MoveDialog, WithoutAttackTableThePageIsDisabledAndTheRomKept)
{
    open("Item_Data=0\r\n");
    for (int id : kAllControls)
        EXPECT_FALSE(dialog().isEnabled(id)) << id;
    EXPECT_EQ(dialog().itemCount(kSelector), 0);
    press(kStore);
    saveAndExpect(bytes);
}
