#include "pages/egg/EggMoveDialog.h"
#include "pages/egg/EggMovePage.h"
#include "tests/pages/BlankPage.h"
#include "tests/pages/PageDialogTest.h"
#include "tests/support/PageSlots.h"

#include <gtest/gtest.h>

using namespace egg_move_dialog;

namespace {

using Texts = std::vector<std::string>;

// The words 20001, 5, 6, 20004, 20007, 9 at 0x100.
const std::vector<std::uint8_t> kTable = {0x21, 0x4E, 0x05, 0x00, 0x06, 0x00, 0x24, 0x4E, 0x27, 0x4E, 0x09, 0x00};
constexpr std::size_t kTableAt = 0x100;
const std::string kKeys = "MonsterEggData=256\r\nMonsterEggDataNum=6\r\n";
const std::string kRefused = "正しい値を取得できませんでした。";

const std::string kMonster1 = "001:あい終　　";
const std::string kMonster4 = "004:　　　　　";
const std::string kMonster7 = "007:　　　　　";
const std::string kMonster10 = "010:う終　　　";
const std::string kMove5 = "はたく終　　　";
const std::string kMove6 = "AB終　　　　";
const std::string kMove9 = "あ終　　　　　";
const std::string kMove100 = "い終　　　　　";
const std::string kMarker = "覚えるザルバト：";

class EggMoveDialog : public PageDialogTest {
protected:
    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        tabs.setStatusLine(&status);
        tabs.AddPage(std::make_unique<CTamago_Skill>(tabs), "卵技変更");
        tabs.AddPage(std::make_unique<CBlankPage>(tabs), "blank");
        tabs.showFirstPage();
        auto& tables = tabs.tables();
        const std::pair<std::size_t, std::vector<std::uint8_t>> monsters[] = {{1, {0x01, 0x02, 0xFF}}, {10, {0x03, 0xFF}}};
        for (const auto& [monster, name] : monsters)
            std::copy(name.begin(), name.end(), tables.monsterNames.begin() + monster * 6);
        // Name entry n - 1 names move n.
        const std::pair<std::size_t, std::vector<std::uint8_t>> moves[] = {
            {5, {0x1A, 0x10, 0x08, 0xFF}}, {6, {0xBB, 0xBC, 0xFF}}, {9, {0x01, 0xFF}}, {100, {0x02, 0xFF}}};
        for (const auto& [move, name] : moves)
            std::copy(name.begin(), name.end(), tables.moveNames.begin() + (move - 1) * 8);
    }
    void open(const std::vector<std::uint8_t>& table = kTable, const std::string& keys = kKeys)
    {
        writeSettings(dir.path(), "BPGJ", keys);
        bytes.assign(0x200, 0xEE);
        putBytes(bytes, 0xAC, {'B', 'P', 'G', 'J'});
        putBytes(bytes, kTableAt, table);
        writeBytes(rom, bytes);
        ASSERT_EQ(tabs.openRom(rom), CTabSystem::kReadDone) << toUtf8(status.last());
    }
    void selectLine(int listId, int line)
    {
        dialog().setSelection(listId, line);
        sendCommand(*host, tabs, listId, window_message::kListSelChange);
    }
    void setMove(int move)
    {
        dialog().setSelection(kMoveCombo, move);
        press(kSetMove);
    }
    void setMonster(int monster)
    {
        dialog().setSelection(kMonsterCombo, monster);
        press(kSetMonster);
    }
    void chooseMode(bool raw)
    {
        dialog().setChecked(kNormalMode, !raw);
        dialog().setChecked(kRawMode, raw);
        press(raw ? kRawMode : kNormalMode);
    }
};

} // namespace

TEST_F(EggMoveDialog, NormalModeEditsTheMovesAndMonsterOfTheSelectedEntry)
{
    open();
    EXPECT_TRUE(dialog().isChecked(kNormalMode));
    EXPECT_FALSE(dialog().isChecked(kRawMode));
    EXPECT_EQ(dialog().itemCount(kMoveCombo), 355);
    EXPECT_EQ(dialog().itemCount(kMonsterCombo), 412);
    EXPECT_EQ(items(kLineList), (Texts{kMonster1, kMonster4, kMonster7}));
    EXPECT_EQ(items(kMoveList), (Texts{kMove5, kMove6}));
    EXPECT_EQ(dialog().selection(kMonsterCombo), 1);
    EXPECT_EQ(dialog().selection(kMoveCombo), 5);

    selectLine(kMoveList, 1);
    EXPECT_EQ(dialog().selection(kMoveCombo), 6);
    setMove(100);
    EXPECT_EQ(items(kMoveList), (Texts{kMove5, kMove100}));
    EXPECT_EQ(dialog().selection(kMoveList), 1);

    selectLine(kLineList, 1);
    EXPECT_EQ(dialog().itemCount(kMoveList), 0);
    EXPECT_EQ(dialog().selection(kMonsterCombo), 4);
    selectLine(kLineList, 2);
    EXPECT_EQ(items(kMoveList), Texts{kMove9});
    EXPECT_EQ(dialog().selection(kMonsterCombo), 7);
    setMonster(10);
    EXPECT_EQ(items(kLineList), (Texts{kMonster1, kMonster4, kMonster10}));
    EXPECT_EQ(dialog().selection(kLineList), 2);

    // Another tab and back: the same lists and line, filled once.
    chooseTab(*host, tabs, 1);
    chooseTab(*host, tabs, 0);
    EXPECT_EQ(dialog().itemCount(kMoveCombo), 355);
    EXPECT_EQ(dialog().itemCount(kMonsterCombo), 412);
    EXPECT_EQ(items(kLineList), (Texts{kMonster1, kMonster4, kMonster10}));
    EXPECT_EQ(dialog().selection(kLineList), 2);
    EXPECT_EQ(items(kMoveList), Texts{kMove9});
    EXPECT_EQ(dialog().selection(kMonsterCombo), 10);

    std::vector<std::uint8_t> expected = bytes;
    putBytes(expected, kTableAt + 4, {0x64, 0x00});
    putBytes(expected, kTableAt + 8, {0x2A, 0x4E});
    saveAndExpect(expected);
}

TEST_F(EggMoveDialog, RawModeEditsWordsAndNormalModeDecodesThemAgain)
{
    open();
    chooseMode(true);
    chooseMode(false);
    EXPECT_EQ(items(kLineList), (Texts{kMonster1, kMonster4, kMonster7}));
    chooseMode(true);
    EXPECT_TRUE(dialog().isChecked(kRawMode));
    EXPECT_EQ(items(kLineList),
              (Texts{kMarker + kMonster1, kMove5, kMove6, kMarker + kMonster4, kMarker + kMonster7, kMove9}));
    EXPECT_EQ(dialog().itemCount(kMoveList), 0);
    EXPECT_FALSE(dialog().isEnabled(kMoveList));

    selectLine(kLineList, 2);
    EXPECT_EQ(dialog().selection(kMoveCombo), 6);
    setMove(9);
    selectLine(kLineList, 1);
    setMonster(10);
    EXPECT_EQ(dialog().itemText(kLineList, 1), kMarker + kMonster10);
    EXPECT_EQ(dialog().itemText(kLineList, 2), kMove9);

    // Monster 1 loses its moves to the new marker of monster 10.
    chooseMode(false);
    EXPECT_EQ(items(kLineList), (Texts{kMonster1, kMonster10, kMonster4, kMonster7}));
    EXPECT_EQ(dialog().itemCount(kMoveList), 0);
    selectLine(kLineList, 1);
    EXPECT_EQ(items(kMoveList), Texts{kMove9});

    std::vector<std::uint8_t> expected = bytes;
    putBytes(expected, kTableAt + 2, {0x2A, 0x4E, 0x09, 0x00});
    saveAndExpect(expected);
}

TEST_F(EggMoveDialog, RefusedSetsChangeNothing)
{
    open();
    // Monster 0 would make the marker 20000, a move.
    setMonster(0);
    EXPECT_EQ(status.last(), kRefused);
    chooseMode(true);
    setMonster(0);
    EXPECT_EQ(status.last(), kRefused);
    setMove(IDialogControls::kNoItem);
    EXPECT_EQ(status.last(), kRefused);

    // The frame's list message reaches id 1004 as a selection change, not as a click.
    dialog().setSelection(kMoveCombo, 100);
    sendCommand(*host, tabs, kSetMove, window_message::kListSelChange);
    EXPECT_EQ(dialog().itemText(kLineList, 0), kMarker + kMonster1);
    saveAndExpect(bytes);
}

TEST_F(EggMoveDialog, WordsBeyondTheListsShowTheirNumbersAndSelectNothing)
{
    // 20412, 400, 20000.
    open({0xBC, 0x4F, 0x90, 0x01, 0x20, 0x4E}, "MonsterEggData=256\r\nMonsterEggDataNum=3\r\n");
    EXPECT_EQ(items(kLineList), Texts{"412"});
    EXPECT_EQ(items(kMoveList), (Texts{"400", "20000"}));
    EXPECT_EQ(dialog().selection(kMonsterCombo), IDialogControls::kNoItem);
    EXPECT_EQ(dialog().selection(kMoveCombo), IDialogControls::kNoItem);
    press(kSetMove);
    press(kSetMonster);
    EXPECT_EQ(status.last(), kRefused);
    chooseMode(true);
    EXPECT_EQ(items(kLineList), (Texts{kMarker + "412", "400", "20000"}));
    saveAndExpect(bytes);
}

TEST_F(EggMoveDialog, WithoutAWordCountThePageStaysDisabled)
{
    open(kTable, "MonsterEggData=256\r\n");
    for (int id : kEditControls)
        EXPECT_FALSE(dialog().isEnabled(id)) << id;
    EXPECT_EQ(dialog().itemCount(kMoveCombo), 0);
    saveAndExpect(bytes);
}
