#include "pages/other/OtherDialog.h"
#include "pages/other/OtherPage.h"
#include "tests/pages/BlankPage.h"
#include "tests/pages/PageDialogTest.h"
#include "tests/support/PageSlots.h"

#include <gtest/gtest.h>

using namespace other_dialog;

namespace {

constexpr std::size_t kClassesAt = 0x100;
constexpr std::size_t kMovesAt = 0x200;
constexpr std::size_t kLeftAt = 0xD20;
constexpr std::size_t kCenterAt = 0xD24;
constexpr std::size_t kRightAt = 0xD22;
const std::string kKeys = "TrainerClasses=256\r\nTrainerClassesNum=3\r\nAttackName=512\r\n"
                          "Left=3360\r\nCenter=3364\r\nRight=3362\r\n";

std::vector<std::uint8_t> otherRom()
{
    std::vector<std::uint8_t> rom = patternBytes(0xD30, 7, 3);
    putBytes(rom, 0xAC, {'B', 'P', 'G', 'J'});
    putBytes(rom, kClassesAt, {0xBB, 0xBC, 0xBD, 0xFF, 0, 0, 0, 0, 0, 0, 0});
    putBytes(rom, kClassesAt + 11, {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0xFF});
    putBytes(rom, kClassesAt + 22, {0x51, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    putBytes(rom, kMovesAt, {0x1A, 0x10, 0x08, 0xFF, 0, 0, 0, 0});
    putBytes(rom, kMovesAt + 353 * 8, {0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xFF});
    putBytes(rom, kLeftAt, {0x15, 0x01});
    putBytes(rom, kRightAt, {0x1B, 0x01});
    putBytes(rom, kCenterAt, {0xFF, 0xFF});
    return rom;
}

class OtherDialog : public PageDialogTest {
protected:
    OtherDialog() : PageDialogTest(otherRom()) {}

    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        tabs.setStatusLine(&status);
        tabs.AddPage(std::make_unique<COmake>(tabs), "その他");
        tabs.AddPage(std::make_unique<CBlankPage>(tabs), "blank");
        tabs.showFirstPage();
        // Monster 277: アチャモ.
        const std::uint8_t name[] = {0x51, 0x61, 0x84, 0x73, 0xFF, 0x00};
        std::copy(std::begin(name), std::end(name), tabs.tables().monsterNames.begin() + 277 * 6);
    }

    void open(const std::string& keys = kKeys)
    {
        writeSettings(dir.path(), "BPGJ", keys);
        writeBytes(rom, bytes);
        ASSERT_EQ(tabs.openRom(rom), CTabSystem::kReadDone) << toUtf8(status.last());
    }
    COmake& page() { return static_cast<COmake&>(*tabs.pages()[0]); }
    void select(int id, int entry)
    {
        dialog().setSelection(id, entry);
        sendCommand(*host, tabs, id, window_message::kComboSelChange);
    }
    void store(int editId, std::string_view text, int buttonId)
    {
        dialog().setText(editId, text);
        press(buttonId);
    }
};

} // namespace

TEST_F(OtherDialog, FillsClassMoveAndStarterSelectors)
{
    open();
    ASSERT_EQ(dialog().itemCount(kClassSelector), 3);
    EXPECT_EQ(dialog().itemText(kClassSelector, 0), "ABC終　　　　　　");
    EXPECT_EQ(dialog().itemText(kClassSelector, 1), "あいうえおかきくけこ");
    EXPECT_EQ(dialog().selection(kClassSelector), 0);

    ASSERT_EQ(dialog().itemCount(kMoveSelector), 354);
    EXPECT_EQ(dialog().itemText(kMoveSelector, 0), "はたく終　　　");
    EXPECT_EQ(dialog().itemText(kMoveSelector, 353), "0123456");
    EXPECT_EQ(dialog().selection(kMoveSelector), 0);

    for (int id : kStarterCombos)
        ASSERT_EQ(dialog().itemCount(id), 412);
    EXPECT_EQ(dialog().itemText(kLeftStarter, 0), "000:　　　　　");
    EXPECT_EQ(dialog().itemText(kLeftStarter, 277), "277:アチャモ終");
    EXPECT_EQ(dialog().selection(kLeftStarter), 277);
    EXPECT_EQ(dialog().selection(kRightStarter), 283);
    // 0xFFFF is no monster: nothing is selected.
    EXPECT_EQ(dialog().selection(kCenterStarter), IDialogControls::kNoItem);
    for (int id : kAllControls)
        EXPECT_TRUE(dialog().isEnabled(id)) << id;
}

TEST_F(OtherDialog, StoresClassNamesIntoTheirFields)
{
    open();
    select(kClassSelector, 1);
    EXPECT_EQ(page().currentClass(), 1);
    store(kClassNameEdit, "ABC", kStoreClassName);
    const std::vector<std::uint8_t> abc = {0xBB, 0xBC, 0xBD, 0xFF, 0, 0, 0, 0, 0, 0, 0xFF};
    EXPECT_EQ(std::vector<std::uint8_t>(tabs.tables().trainerClassNames.begin() + 11,
                                        tabs.tables().trainerClassNames.begin() + 22),
              abc);
    EXPECT_EQ(dialog().itemText(kClassSelector, 1), "ABC終　　　　　　");
    EXPECT_EQ(dialog().selection(kClassSelector), 1);
    EXPECT_EQ(status.last(), "");

    // Twelve characters: ten fit, the eleventh byte ends the field.
    store(kClassNameEdit, "ABCDEFGHIJKL", kStoreClassName);
    EXPECT_EQ(std::vector<std::uint8_t>(tabs.tables().trainerClassNames.begin() + 11,
                                        tabs.tables().trainerClassNames.begin() + 22),
              (std::vector<std::uint8_t>{0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xFF}));
    EXPECT_EQ(dialog().itemText(kClassSelector, 1), "ABCDEFGHIJ");
    EXPECT_EQ(dialog().itemCount(kClassSelector), 3);
}

TEST_F(OtherDialog, EmptyAndUnencodableNamesChangeNothing)
{
    open();
    const std::vector<std::uint8_t> before = tabs.tables().trainerClassNames;
    store(kClassNameEdit, "", kStoreClassName);
    EXPECT_EQ(status.last(), "名前を入力してください。");
    store(kClassNameEdit, "漢字", kStoreClassName);
    EXPECT_EQ(status.last(), "名前を取得できませんでした。無効な文字が入力されました。");
    EXPECT_EQ(tabs.tables().trainerClassNames, before);
    EXPECT_EQ(dialog().itemText(kClassSelector, 0), "ABC終　　　　　　");
    EXPECT_EQ(dialog().selection(kClassSelector), 0);

    store(kMoveNameEdit, "", kStoreMoveName);
    EXPECT_EQ(status.last(), "名前を入力してください。");
    EXPECT_EQ(dialog().itemText(kMoveSelector, 0), "はたく終　　　");
}

TEST_F(OtherDialog, StoredMoveNameIsListedAfterTheListsAreFilledAgain)
{
    open();
    select(kMoveSelector, 3);
    EXPECT_EQ(page().currentMove(), 3);
    store(kMoveNameEdit, "ABCDEFGHI", kStoreMoveName);
    EXPECT_EQ(dialog().itemText(kMoveSelector, 3), "ABCDEFG");

    chooseTab(*host, tabs, 1);
    chooseTab(*host, tabs, 0);
    EXPECT_EQ(dialog().itemText(kMoveSelector, 3), "ABCDEFG");
    EXPECT_EQ(dialog().selection(kMoveSelector), 0);
}

TEST_F(OtherDialog, SavesNamesAndStartersIntoTheRom)
{
    open();
    select(kClassSelector, 2);
    store(kClassNameEdit, "ｱ", kStoreClassName); // half-width katakana: nothing encodable
    store(kClassNameEdit, "Ab", kStoreClassName);
    select(kMoveSelector, 353);
    store(kMoveNameEdit, "あ", kStoreMoveName);
    dialog().setSelection(kLeftStarter, 1);
    dialog().setSelection(kRightStarter, 411);
    press(kStoreStarters);
    std::vector<std::uint8_t> expected = bytes;
    putBytes(expected, kClassesAt + 22, {0xBB, 0xD6, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0xFF});
    putBytes(expected, kMovesAt + 353 * 8, {0x01, 0xFF, 0, 0, 0, 0, 0, 0xFF});
    putBytes(expected, kLeftAt, {0x01, 0x00});
    putBytes(expected, kRightAt, {0x9B, 0x01});
    saveAndExpect(expected);
}

TEST_F(OtherDialog, WithoutAClassTableThePageStaysDisabled)
{
    open("TrainerClassesNum=3\r\nAttackName=512\r\n");
    for (int id : kAllControls)
        EXPECT_FALSE(dialog().isEnabled(id)) << id;
    EXPECT_EQ(dialog().itemCount(kMoveSelector), 0);
    EXPECT_EQ(tabs.tables().moveNames[0], 0x1A);
}
