#include "pages/item/ItemDialog.h"
#include "pages/item/ItemPage.h"
#include "tests/pages/BlankPage.h"
#include "tests/pages/PageDialogTest.h"
#include "tests/support/PageSlots.h"

#include <gtest/gtest.h>

using namespace item_dialog;

namespace {

constexpr std::size_t kTableAt = 0x100;
const std::string kKeys = "Item_Data=256\r\nItem_DataNum=3\r\n";

// Item 0: "ABC", price 300, parameter 20, description at 0xABCDEF, pocket 2, battle usage 1.
// Item 1: pocket 0 and battle usage 3, which no list shows. Item 2: pocket 7, battle usage 2.
std::vector<std::uint8_t> itemRom(const char* gameCode)
{
    std::vector<std::uint8_t> rom = patternBytes(kTableAt + 3 * 40 + 16, 5, 1);
    std::copy_n(gameCode, 4, rom.begin() + 0xAC);
    putBytes(rom, kTableAt, {0xBB, 0xBC, 0xBD, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00});
    putBytes(rom, kTableAt + 0x0C, {0x2C, 0x01});
    putBytes(rom, kTableAt + 0x0F, {0x14, 0xEF, 0xCD, 0xAB, 0x08});
    const std::uint8_t pocketAndUsage[3][2] = {{0x02, 0x01}, {0x00, 0x03}, {0x07, 0x02}};
    for (std::size_t item = 0; item < 3; ++item) {
        rom[kTableAt + item * 40 + 0x16] = pocketAndUsage[item][0];
        rom[kTableAt + item * 40 + 0x1C] = pocketAndUsage[item][1];
    }
    return rom;
}

class ItemDialog : public PageDialogTest {
protected:
    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        tabs.setStatusLine(&status);
        tabs.AddPage(std::make_unique<CItem_Edit>(tabs), "アイテムエディター");
        tabs.AddPage(std::make_unique<CBlankPage>(tabs), "blank");
        tabs.showFirstPage();
    }
    void open(const char* gameCode = "BPRJ", const std::string& keys = kKeys)
    {
        bytes = itemRom(gameCode);
        writeSettings(dir.path(), gameCode, keys);
        writeBytes(rom, bytes);
        ASSERT_EQ(tabs.openRom(rom), CTabSystem::kReadDone) << toUtf8(status.last());
    }
    CItem_Edit& page() { return static_cast<CItem_Edit&>(*tabs.pages()[0]); }
    void selectItem(int item)
    {
        dialog().setSelection(kSelector, item);
        sendCommand(*host, tabs, kSelector, window_message::kComboSelChange);
    }
};

} // namespace

TEST_F(ItemDialog, ShowsTheItemAndStoresPricePocketAndUsage)
{
    open();
    for (int id : kAllControls)
        EXPECT_TRUE(dialog().isEnabled(id)) << id;
    ASSERT_EQ(dialog().itemCount(kSelector), 3);
    EXPECT_EQ(dialog().itemText(kSelector, 0), "ABC終　　　　　");
    EXPECT_EQ(dialog().selection(kSelector), 0);
    EXPECT_EQ(items(kBattleUsage), (std::vector<std::string>{"無し", "アイテム", "ボール"}));
    EXPECT_EQ(dialog().selection(kBattleUsage), 1);
    EXPECT_EQ(dialog().selection(kPocket), 1);
    EXPECT_EQ(dialog().text(kPrice, kNumberInputLength), "300");
    EXPECT_EQ(dialog().text(kParameter, kNumberInputLength), "20");
    EXPECT_EQ(dialog().text(kDescription, kNumberInputLength), "0xABCDEF");

    dialog().setText(kPrice, "70000");
    dialog().setText(kParameter, "300");
    dialog().setSelection(kPocket, 4);
    dialog().setSelection(kBattleUsage, 2);
    press(kStore);
    EXPECT_EQ(status.last(), "正常終了。");
    std::vector<std::uint8_t> expected = bytes;
    // 70000 keeps its low 16 bits: 4464.
    putBytes(expected, kTableAt + 0x0C, {0x70, 0x11});
    putBytes(expected, kTableAt + 0x0F, {0x2C});
    putBytes(expected, kTableAt + 0x16, {0x05});
    putBytes(expected, kTableAt + 0x1C, {0x02});
    saveAndExpect(expected);
}

TEST_F(ItemDialog, PocketsFollowTheGame)
{
    open("BPRJ");
    EXPECT_EQ(items(kPocket), (std::vector<std::string>{"アイテム", "重要なアイテム", "ボール",
                                                        "技&秘伝マシン", "木の実"}));
    open("BPEJ");
    EXPECT_EQ(items(kPocket), (std::vector<std::string>{"アイテム", "ボール", "技&秘伝マシン", "木の実",
                                                        "重要なアイテム"}));
}

TEST_F(ItemDialog, PocketsAndUsageTypesTheListsCannotShowAreKept)
{
    open();
    for (int item : {1, 2}) {
        selectItem(item);
        EXPECT_EQ(page().currentItem(), static_cast<std::size_t>(item));
        EXPECT_EQ(dialog().selection(kPocket), IDialogControls::kNoItem);
        press(kStore);
    }
    EXPECT_EQ(dialog().selection(kBattleUsage), 2);
    EXPECT_EQ(page().record(1)[0x16], 0x00);
    EXPECT_EQ(page().record(1)[0x1C], 0x03);
    EXPECT_EQ(page().record(2)[0x16], 0x07);

    // Other tabs and back: the same lists, filled once, and the same item.
    for (int round = 0; round < 2; ++round) {
        chooseTab(*host, tabs, 1);
        chooseTab(*host, tabs, 0);
    }
    EXPECT_EQ(dialog().itemCount(kSelector), 3);
    EXPECT_EQ(dialog().itemCount(kPocket), 5);
    EXPECT_EQ(dialog().itemCount(kBattleUsage), 3);
    EXPECT_EQ(dialog().selection(kSelector), 2);
    EXPECT_EQ(dialog().selection(kBattleUsage), 2);
    saveAndExpect(bytes);
}

TEST_F(ItemDialog, WithoutACountThePageIsDisabled)
{
    open("BPRJ", "Item_Data=256\r\nItem_DataNum=0\r\n");
    for (int id : kAllControls)
        EXPECT_FALSE(dialog().isEnabled(id)) << id;
    press(kStore);
    saveAndExpect(bytes);
}
