#include "pages/trade/TradeDialog.h"
#include "pages/trade/TradePage.h"
#include "tests/pages/BlankPage.h"
#include "tests/pages/PageDialogTest.h"
#include "tests/support/PageSlots.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace trade_dialog;

namespace {

constexpr std::size_t kTradesAt = 0x100;
constexpr std::size_t kSecondTradeAt = kTradesAt + 60;
const std::string kKeys = "Communication_Change=256\r\nCommunication_ChangeNum=2\r\n";

const std::vector<std::uint8_t> kTrades = {
    // Trade 0.
    0xBB, 0xBC, 0xBD, 0xFF, 0x00, 0x00,             // nickname ABC
    0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6,             // kept
    0x9B, 0x01,                                     // offered monster 411
    0x01, 0x02, 0x03, 0x1D, 0x1E, 0x1F,             // individual values
    0x01,                                           // second ability
    0xD1, 0xD2, 0xD3,                               // kept
    0x34, 0x12,                                     // parent ID 0x1234
    0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9,
    0xFF, 0x00, 0x00, 0x00,                         // PV 0x000000FF
    0x02, 0x00,                                     // held item 2
    0xF0,                                           // kept
    0xD5, 0xD6, 0xFF, 0x00, 0x00, 0x00,             // parent name ab
    0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6,
    0x19, 0x00,                                     // wanted monster 25
    0xB0, 0xB1,
    // Trade 1: nickname E, offered monster 512 and held item 300 (beyond the lists), individual
    // values 40 and 0, ability byte 2, parent ID 0, PV 0x12345678, parent name F, wanted monster 1.
    0xBE, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0x00, 0x02, 0x28, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x02, 0xD1, 0xD2, 0xD3, 0x00, 0x00, 0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5,
    0xE6, 0xE7, 0xE8, 0xE9, 0x78, 0x56, 0x34, 0x12, 0x2C, 0x01, 0xF0, 0xBF, 0xFF, 0x00, 0x00, 0x00,
    0x00, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0x01, 0x00, 0xB0, 0xB1,
};

class TradeDialog : public PageDialogTest {
protected:
    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        tabs.setStatusLine(&status);
        tabs.AddPage(std::make_unique<CTamblor_Communication_Change>(tabs), "通信交換エディター");
        tabs.AddPage(std::make_unique<CBlankPage>(tabs), "blank");
        tabs.showFirstPage();
        // Monster 25: あい.
        const std::uint8_t name[] = {0x01, 0x02, 0xFF, 0x00, 0x00, 0x00};
        std::copy(std::begin(name), std::end(name), tabs.tables().monsterNames.begin() + 25 * 6);
    }
    void open(bool withItems = true, const std::string& keys = kKeys)
    {
        writeSettings(dir.path(), "BPGJ", keys);
        if (withItems)
            writeFile(dir.file("item.ini"), "なし\r\nキズぐすり\r\nボール\r\n");
        bytes.assign(0x200, 0xEE);
        putBytes(bytes, 0xAC, {'B', 'P', 'G', 'J'});
        putBytes(bytes, kTradesAt, kTrades);
        writeBytes(rom, bytes);
        ASSERT_EQ(tabs.openRom(rom), CTabSystem::kReadDone) << toUtf8(status.last());
    }
    std::string text(int id) { return dialog().text(id, 255); }
    void click(int checkBoxId, bool checked)
    {
        dialog().setChecked(checkBoxId, checked);
        press(checkBoxId);
    }
    void chooseNature(int nature)
    {
        dialog().setSelection(kNature, nature);
        sendCommand(*host, tabs, kNature, window_message::kComboSelChange);
    }
    void selectTrade(int trade)
    {
        dialog().setSelection(kTradeList, trade);
        sendCommand(*host, tabs, kTradeList, window_message::kListSelChange);
    }
};

} // namespace

TEST_F(TradeDialog, ShowsTheTradeWithItsDerivedValues)
{
    open();
    ASSERT_EQ(dialog().itemCount(kTradeList), 2);
    EXPECT_EQ(dialog().itemText(kTradeList, 0), "ab終　　");
    EXPECT_EQ(dialog().itemText(kTradeList, 1), "E終　　　");
    EXPECT_EQ(dialog().selection(kTradeList), 0);
    EXPECT_EQ(dialog().itemCount(kNature), 25);
    EXPECT_EQ(dialog().itemText(kNature, 1), "さみしがり ");
    EXPECT_EQ(dialog().itemCount(kHeldItem), 3);
    EXPECT_EQ(dialog().itemCount(kOffered), 412);
    EXPECT_EQ(dialog().itemText(kWanted, 25), "あい終　　");

    EXPECT_EQ(text(kNickname), "ABC終　");
    EXPECT_EQ(text(kParentName), "ab終　　");
    EXPECT_EQ(text(kParentId), "0x1234");
    EXPECT_EQ(text(kPersonality), "0x000000FF");
    EXPECT_EQ(text(kGender), "255");
    EXPECT_EQ(dialog().selection(kNature), 5);
    EXPECT_FALSE(dialog().isChecked(kShiny));
    EXPECT_TRUE(dialog().isChecked(kAbility));
    EXPECT_EQ(text(kAbility), "特性2");
    const char* values[] = {"1", "2", "3", "29", "30", "31"};
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(text(kIndividualValues[i]), values[i]) << i;
    EXPECT_EQ(dialog().selection(kOffered), 411);
    EXPECT_EQ(dialog().selection(kWanted), 25);
    EXPECT_EQ(dialog().selection(kHeldItem), 2);

    click(kAbility, false);
    EXPECT_EQ(text(kAbility), "特性1");
}

TEST_F(TradeDialog, NatureGenderValueAndShinyChangeTheWorkingValuesThatStoringWrites)
{
    open();
    click(kShiny, true);
    EXPECT_EQ(text(kParentId), "0x00FF");
    EXPECT_TRUE(dialog().isChecked(kShiny));

    // まじめ for PV 0x000000FF; the shiny check box follows the new PV.
    chooseNature(12);
    EXPECT_EQ(text(kPersonality), "0x000016FF");
    EXPECT_EQ(text(kGender), "255");
    EXPECT_FALSE(dialog().isChecked(kShiny));
    click(kShiny, true);
    EXPECT_EQ(text(kParentId), "0x16FF");

    dialog().setText(kGender, "16");
    EXPECT_EQ(text(kPersonality), "0x00001610");
    EXPECT_EQ(dialog().selection(kNature), 23);
    EXPECT_FALSE(dialog().isChecked(kShiny));
    dialog().setText(kGender, "300");
    EXPECT_EQ(text(kGender), "255");
    EXPECT_EQ(text(kPersonality), "0x000016FF");
    // A negative value must not borrow from the nature's bits.
    dialog().setText(kGender, "-1");
    EXPECT_EQ(text(kGender), "255");
    EXPECT_EQ(text(kPersonality), "0x000016FF");
    EXPECT_TRUE(dialog().isChecked(kShiny));

    dialog().setText(kIndividualValues[0], "40");
    dialog().setText(kIndividualValues[5], "7");
    dialog().setSelection(kWanted, 411);
    dialog().setSelection(kHeldItem, 1);
    press(kStore);
    EXPECT_EQ(status.last(), "正常終了。");

    std::vector<std::uint8_t> expected = bytes;
    putBytes(expected, kTradesAt + 0x0E, {0x1F});
    putBytes(expected, kTradesAt + 0x13, {0x07});
    putBytes(expected, kTradesAt + 0x18, {0xFF, 0x16});
    putBytes(expected, kTradesAt + 0x24, {0xFF, 0x16, 0x00, 0x00, 0x01, 0x00});
    putBytes(expected, kTradesAt + 0x38, {0x9B, 0x01});
    saveAndExpect(expected);
}

TEST_F(TradeDialog, CombosWithoutASelectionKeepTheirFields)
{
    open();
    selectTrade(1);
    EXPECT_EQ(dialog().selection(kOffered), IDialogControls::kNoItem);
    EXPECT_EQ(dialog().selection(kHeldItem), IDialogControls::kNoItem);
    EXPECT_FALSE(dialog().isChecked(kAbility));
    EXPECT_EQ(text(kIndividualValues[0]), "40");
    dialog().setText(kIndividualValues[1], "-5");
    press(kStore);
    EXPECT_EQ(status.last(), "交換に出されるザルバト、持っている道具: 正しい値を取得できなかったので、0を設定しました。");
    EXPECT_EQ(text(kIndividualValues[0]), "31");

    // Only the individual value of 40 changes (to 31; -5 stays 0); the ability byte 2 stays.
    std::vector<std::uint8_t> expected = bytes;
    putBytes(expected, kSecondTradeAt + 0x0E, {0x1F});
    saveAndExpect(expected);
}

TEST_F(TradeDialog, NamesAreStoredIntoTheirFields)
{
    open();
    dialog().setText(kParentName, "ba");
    press(kStoreParentName);
    EXPECT_EQ(dialog().itemText(kTradeList, 0), "ba終　　");
    EXPECT_EQ(dialog().selection(kTradeList), 0);
    dialog().setText(kNickname, "AB");
    press(kStoreNickname);
    dialog().setText(kNickname, "");
    press(kStoreNickname);
    EXPECT_EQ(status.last(), "名前を入力してください。");
    dialog().setText(kParentName, "漢字");
    press(kStoreParentName);
    EXPECT_EQ(status.last(), "名前を取得できませんでした。無効な文字が入力されました。");

    std::vector<std::uint8_t> expected = bytes;
    putBytes(expected, kTradesAt, {0xBB, 0xBC, 0xFF, 0x00, 0x00, 0xFF});
    putBytes(expected, kTradesAt + 0x2B, {0xD6, 0xD5, 0xFF, 0x00, 0x00, 0xFF});
    saveAndExpect(expected);
}

TEST_F(TradeDialog, SwitchingTabsShowsTheSameListsAndTrade)
{
    open(false);
    EXPECT_NE(std::find(status.texts.begin(), status.texts.end(), "\"item.ini\"ファイルを開けませんでした。"),
              status.texts.end());
    EXPECT_EQ(dialog().itemCount(kHeldItem), 0);
    selectTrade(1);
    chooseTab(*host, tabs, 1);
    chooseTab(*host, tabs, 0);
    EXPECT_EQ(dialog().itemCount(kTradeList), 2);
    EXPECT_EQ(dialog().itemCount(kNature), 25);
    EXPECT_EQ(dialog().itemCount(kOffered), 412);
    EXPECT_EQ(dialog().itemCount(kWanted), 412);
    EXPECT_EQ(dialog().selection(kTradeList), 1);
    EXPECT_EQ(text(kPersonality), "0x12345678");
    EXPECT_EQ(dialog().selection(kWanted), 1);
}

TEST_F(TradeDialog, WithoutATradeCountThePageStaysDisabled)
{
    open(true, "Communication_Change=256\r\n");
    for (int id : kAllControls)
        EXPECT_FALSE(dialog().isEnabled(id)) << id;
    saveAndExpect(bytes);
}
