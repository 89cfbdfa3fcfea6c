#include "core/TabSystem.h"
#include "core/relocation/RelocationDialog.h"
#include "core/ui/DialogControls.h"
#include "core/ui/WindowMessages.h"
#include "pages/trainer/TrainerDialog.h"
#include "pages/trainer/TrainerPage.h"
#include "pages/trainer/TrainerRelocation.h"
#include "tests/pages/BlankPage.h"
#include "tests/pages/PageDialogTest.h"
#include "tests/pages/RelocationScript.h"
#include "tests/pages/TestPageHost.h"
#include "tests/pages/TestShell.h"
#include "tests/support/PageSlots.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace trainer_dialog;

namespace {

const std::string kKeys = "TrainerData=256\r\nTrainerDataNum=3\r\nTrainer_Pic_Num=2\r\n";
constexpr std::size_t kFreeRun = 0x300;

const std::vector<std::uint8_t> kTrainers = {
    // Trainer 0: type 0, class 1, sound 5, picture 0, "ABC", items 1 and 2, checks 1 and 3
    // (and bits 4 and 5), three members at 0x200.
    0x00, 0x01, 0x05, 0x00, 0xBB, 0xBC, 0xBD, 0xFF, 0x00, 0x00, 0x01, 0x00, 0x02, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0xA3, 0x35, 0xC5, 0xC6, 0xC7, 0x03, 0xD9, 0xDA, 0xDB, 0x00, 0x02, 0x00, 0x08,
    // Trainer 1: type 1, picture 1, "ab", a stored count of 9 at 0x240.
    0x01, 0x00, 0x00, 0x01, 0xD5, 0xD6, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x09, 0x00, 0x00, 0x00, 0x40, 0x02, 0x00, 0x08,
    // Trainer 2: type 2, "ABD", one member past the end of the file.
    0x02, 0x00, 0x00, 0x00, 0xBB, 0xBC, 0xBE, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x08,
};

const std::vector<std::uint8_t> kParty0 = {
    0x0A, 0x00, 0x05, 0x00, 0x19, 0x00, 0x77, 0x00, // unclear level 10, level 5, monster 25
    0x14, 0x00, 0x07, 0x00, 0x02, 0x00, 0x00, 0x00, // 20, 7, monster 2
    0x1E, 0x00, 0x09, 0x00, 0x9C, 0x01, 0x00, 0x00, // 30, 9, monster 412: shown as 0
};

// A 24-bit bitmap of 2 x 2 pixels, bottom-up: red, green over blue, white.
const std::vector<std::uint8_t> kBitmap = {
    'B', 'M', 0x46, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0,
    0x28, 0, 0, 0, 0x02, 0, 0, 0, 0x02, 0, 0, 0, 0x01, 0, 0x18, 0,
    0, 0, 0, 0, 0x10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0, 0,
    0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0, 0,
};

// A 24-bit bitmap of 66 x 65 pixels, larger than the picture area both ways: pixel (x, y)
// from the top left has red 0x80, green y and blue x.
std::vector<std::uint8_t> largeBitmap()
{
    constexpr std::size_t kWidth = 66;
    constexpr std::size_t kHeight = 65;
    constexpr std::size_t kRowBytes = 200;
    std::vector<std::uint8_t> file = {
        'B', 'M', 0xFE, 0x32, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0,
        0x28, 0, 0, 0, 0x42, 0, 0, 0, 0x41, 0, 0, 0, 0x01, 0, 0x18, 0,
        0, 0, 0, 0, 0xC8, 0x32, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    };
    for (std::size_t row = 0; row < kHeight; ++row) {
        const auto y = static_cast<std::uint8_t>(kHeight - 1 - row);
        for (std::size_t x = 0; x < kWidth; ++x)
            file.insert(file.end(), {static_cast<std::uint8_t>(x), y, 0x80});
        file.insert(file.end(), kRowBytes - kWidth * 3, 0);
    }
    return file;
}

class TrainerDialog : public PageDialogTest {
protected:
    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        tabs.setStatusLine(&status);
        tabs.AddPage(std::make_unique<CTrainer_Edit>(tabs), "トレーナーエディター");
        tabs.AddPage(std::make_unique<CBlankPage>(tabs), "blank");
        tabs.showFirstPage();
        // Monster 25: あい; two trainer classes.
        const std::uint8_t name[] = {0x01, 0x02, 0xFF, 0x00, 0x00, 0x00};
        std::copy(std::begin(name), std::end(name), tabs.tables().monsterNames.begin() + 25 * 6);
        tabs.tables().trainerClassNames.assign(22, 0xFF);
        tabs.tables().trainerClassNames[0] = 0xBB;
        tabs.tables().trainerClassNames[11] = 0xBC;
        tabs.tables().trainerClassCount = 2;
        writeSettings(dir.path(), "BPGJ", kKeys);
        writeFile(dir.file("item.ini"), "なし\r\nキズぐすり\r\nボール\r\n");
        std::filesystem::create_directories(dir.file("pics/FR"));
        std::filesystem::create_directories(dir.file("pics/tamblorpics"));
        writeBytes(dir.file("pics/FR/trainer-000.bmp"), kBitmap);
        writeBytes(dir.file("pics/FR/trainer-001.bmp"), kBitmap);
        writeBytes(dir.file("pics/tamblorpics/tamblor-019.bmp"), kBitmap);
        writeBytes(dir.file("pics/tamblorpics/tamblor-002.bmp"), kBitmap);
        writeBytes(dir.file("pics/tamblorpics/tamblor-000.bmp"), largeBitmap());
    }
    void open()
    {
        bytes.assign(0x400, 0xEE);
        putBytes(bytes, 0xAC, {'B', 'P', 'G', 'J'});
        putBytes(bytes, 0x100, kTrainers);
        putBytes(bytes, 0x200, kParty0);
        for (std::uint8_t member = 0; member < 9; ++member)
            putBytes(bytes, 0x240 + 16 * member,
                     {0x01, 0x00, static_cast<std::uint8_t>(member + 1), 0x00, 0x02, 0x00, 0x21, 0x00, 0x22, 0x00,
                      0x23, 0x00, 0x24, 0x00, 0x55, 0x55});
        std::fill_n(bytes.begin() + kFreeRun, 0x60, 0xFF);
        writeBytes(rom, bytes);
        ASSERT_EQ(tabs.openRom(rom), CTabSystem::kReadDone) << toUtf8(status.last());
    }
    CTrainer_Edit& page() { return static_cast<CTrainer_Edit&>(*tabs.pages()[0]); }
    void selectTrainer(int line)
    {
        dialog().setSelection(kTrainerList, line);
        sendCommand(*host, tabs, kTrainerList, window_message::kListSelChange);
    }
    void selectMember(int line)
    {
        dialog().setSelection(kMembers, line);
        sendCommand(*host, tabs, kMembers, window_message::kListSelChange);
    }
    void type(const std::vector<std::pair<int, const char*>>& texts)
    {
        for (const auto& [id, text] : texts)
            dialog().setText(id, text);
    }
    void expectTexts(const std::vector<std::pair<int, std::string>>& texts)
    {
        for (const auto& [id, text] : texts)
            EXPECT_EQ(dialog().text(id, 20), text) << id;
    }
    // The ROM as opened, with these runs written over it.
    std::vector<std::uint8_t> patched(const std::vector<std::pair<std::size_t, std::vector<std::uint8_t>>>& runs) const
    {
        std::vector<std::uint8_t> result = bytes;
        for (const auto& [at, run] : runs)
            putBytes(result, at, run);
        return result;
    }
    // The relocation dialog for the current trainer: a new count and data type, searched in
    // the free run, and "設定".
    void relocate(const char* count, int dataType, bool copy)
    {
        shell->scriptModal([=](IDialogControls& controls, const ScriptedShell::Command& command) {
            controls.setSelection(relocation_dialog::kDataType, dataType);
            searchAndStore(controls, command, count, "0x300", "0x360", copy);
        });
        press(kRelocateParty);
    }

    std::unique_ptr<ScriptedShell> shell = makeTestShell(tabs);
};

} // namespace

TEST_F(TrainerDialog, ShowsTheTrainerItsPartyAndItsPictures)
{
    open();
    EXPECT_EQ(shell->menuEnabled(kChangePartyCommand), true);
    EXPECT_EQ(items(kTrainerList), (std::vector<std::string>{"000: ABC終　", "001: ab終　　", "002: ABD終　"}));
    EXPECT_EQ(items(kDataType).size(), 5u);
    EXPECT_EQ(items(kClass), (std::vector<std::string>{"A終終終終終終終終終", "B終終終終終終終終終"}));
    EXPECT_EQ(dialog().itemCount(kMonster), 412);
    EXPECT_EQ(dialog().itemCount(kMoves[0]), 355);
    expectTexts({{kName, "ABC"}, {kPartyCount, "3"}, {kBattleSound, "5"}, {kPartyOffset, "0x200"},
                 {kMemberLevel, "5"}, {kUnclearLevel, "10"}});
    // A type without moves or items shows none in their disabled boxes.
    for (auto [id, selection] : {std::pair{kClass, 1}, {kDataType, 0}, {kItems[0], 1}, {kItems[1], 2}, {kMonster, 25},
                                 {kMoves[0], 0}, {kHeldItem, 0}})
        EXPECT_EQ(dialog().selection(id), selection) << id;
    for (auto [id, checked] : {std::pair{kBattleChecks[0], true}, {kBattleChecks[1], false}, {kBattleChecks[2], true},
                               {kDoubleBattle, false}})
        EXPECT_EQ(dialog().isChecked(id), checked) << id;
    ASSERT_EQ(dialog().itemCount(kMembers), 3);
    EXPECT_EQ(dialog().itemText(kMembers, 0), "Lv:005: あい終　　");
    EXPECT_EQ(dialog().itemText(kMembers, 2).substr(0, 8), "Lv:009: ");
    EXPECT_FALSE(dialog().isEnabled(kMoves[0]));
    EXPECT_FALSE(dialog().isEnabled(kHeldItem));
    selectMember(2);
    EXPECT_EQ(dialog().selection(kMonster), 0);

    // Both pictures inside frames of 64 x 64 pixels: the trainer's small file from the FR
    // folder whole, monster 0's larger one cut to its top-left 64 x 64 pixels; the picture
    // number hidden while they show.
    for (int id : {kPicture, kMonsterPicture}) {
        EXPECT_TRUE(dialog().isVisible(id));
        const ControlRect inside = pictureInside(*host, tabs, id);
        EXPECT_EQ((std::vector{inside.width, inside.height}), (std::vector{64, 64})) << id;
    }
    EXPECT_EQ(shownPicture(*host, tabs, kPicture).pixels,
              (std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}));
    std::vector<std::uint32_t> corner;
    for (std::uint32_t y = 0; y < 64; ++y)
        for (std::uint32_t x = 0; x < 64; ++x)
            corner.push_back(0x800000 | y << 8 | x);
    const RgbImage monster = shownPicture(*host, tabs, kMonsterPicture);
    EXPECT_EQ(monster.width, 64);
    EXPECT_TRUE(monster.pixels == corner);
    EXPECT_FALSE(dialog().isVisible(kPictureNumber));
    EXPECT_TRUE(status.last().empty() || status.last() == "読み込み完了。") << toUtf8(status.last());
}

TEST_F(TrainerDialog, StoresTheTrainerWithTheFallbacksAndClampsTheCount)
{
    open();
    type({{kName, "BA"}, {kPartyCount, "9"}, {kBattleSound, "300"}, {kPartyOffset, "0x1000240"}});
    dialog().setSelection(kClass, IDialogControls::kNoItem);
    dialog().setSelection(kItems[3], 2);
    dialog().setChecked(kDoubleBattle, true);
    dialog().setChecked(kBattleChecks[0], false);
    dialog().setChecked(kBattleChecks[3], true);
    press(kStore);
    EXPECT_EQ(status.last(), "トレーナの種類: 正しい値を取得できなかったので、0を設定しました。");
    EXPECT_EQ(dialog().itemText(kTrainerList, 0), "000: BA終　　");
    EXPECT_EQ(dialog().itemCount(kMembers), 6);
    EXPECT_EQ(dialog().selection(kTrainerList), 0);

    type({{kPartyCount, "0"}, {kPartyOffset, "200"}, {kName, ""}});
    dialog().setSelection(kClass, 1);
    press(kStore);
    EXPECT_EQ(status.last(), "名前を入力してください。");
    saveAndExpect(patched({{0x100, {0x00, 0x01, 0x2C, 0x00, 0xBC, 0xBB, 0xFF, 0x00, 0x00, 0xFF, 0x01, 0x00, 0x02, 0x00,
                                    0x00, 0x00, 0x02, 0x00, 0x01, 0xA3, 0x0C, 0xC5, 0xC6, 0xC7, 0x01, 0xD9, 0xDA, 0xDB,
                                    0x00, 0x02, 0x00, 0x08}}}));

    dialog().setText(kPartyCount, "9");
    press(kStore);
    EXPECT_EQ(page().record(0)[0x18], 6);

    // Picture 0 and a double battle turned off are stored as 0 too.
    selectTrainer(1);
    press(kPicturePrevious);
    dialog().setChecked(kDoubleBattle, false);
    press(kStore);
    EXPECT_EQ(page().record(1)[3], 0);
    EXPECT_EQ(page().record(1)[0x12], 0);
}

TEST_F(TrainerDialog, SearchesWithoutWrappingAround)
{
    open();
    struct Step {
        const char* text;
        int button;
        std::size_t found;
        const char* status;
    };
    const std::vector<Step> steps = {
        {"AB", kSearchForward, 2, nullptr},   {"AB", kSearchForward, 2, "終端まで検索しました。"},
        {"001", kSearchBackward, 1, nullptr}, {"AB", kSearchBackward, 0, nullptr},
        {"AB", kSearchBackward, 0, "先頭まで検索しました。"},
    };
    for (const Step& step : steps) {
        dialog().setText(kSearchText, step.text);
        press(step.button);
        EXPECT_EQ(page().currentTrainer(), step.found) << &step - steps.data();
        EXPECT_EQ(dialog().selection(kTrainerList), static_cast<int>(step.found));
        if (step.status) {
            EXPECT_EQ(status.last(), step.status);
        }
    }
    EXPECT_EQ(dialog().text(kName, 20), "ABC");
}

TEST_F(TrainerDialog, StoresAMemberAndWritesThePartyAtOnce)
{
    open();
    selectMember(1);
    type({{kMemberLevel, "300"}, {kUnclearLevel, "40"}});
    dialog().setSelection(kMonster, 3);
    press(kStoreMember);
    EXPECT_EQ(dialog().itemText(kMembers, 1).substr(0, 8), "Lv:255: ");
    EXPECT_EQ(dialog().selection(kMembers), 1);
    EXPECT_EQ(readBytes(rom), bytes);
    ASSERT_TRUE(keepBackups(dir.path(), 1));
    press(kWriteParty);
    // Monster 412 was shown, and is written, as 0.
    EXPECT_EQ(readBytes(rom), patched({{0x208, {0x28, 0x00, 0xFF, 0x00, 0x03, 0x00, 0x00, 0x00}}, {0x214, {0x00, 0x00}}}));
    ASSERT_EQ(backupsOf(rom).size(), 1u);
    EXPECT_EQ(readBytes(backupsOf(rom)[0]), bytes);

    // A change not written is lost when another trainer is shown.
    dialog().setText(kMemberLevel, "1");
    press(kStoreMember);
    selectTrainer(1);
    selectTrainer(0);
    EXPECT_EQ(dialog().itemText(kMembers, 1).substr(0, 8), "Lv:255: ");

    // With no member selected, the first one is stored.
    dialog().setSelection(kMembers, IDialogControls::kNoItem);
    dialog().setText(kMemberLevel, "300");
    press(kStoreMember);
    EXPECT_EQ(dialog().itemText(kMembers, 0).substr(0, 8), "Lv:255: ");
}

TEST_F(TrainerDialog, AStoredCountAboveSixShowsAndWritesSixMembers)
{
    open();
    selectTrainer(1);
    EXPECT_EQ(dialog().itemCount(kMembers), 6);
    EXPECT_TRUE(dialog().isEnabled(kMoves[0]));
    EXPECT_EQ(dialog().selection(kMoves[0]), 0x21);
    EXPECT_EQ(dialog().selection(kMoves[3]), 0x24);
    selectMember(5);
    dialog().setSelection(kMoves[3], 7);
    press(kStoreMember);
    press(kWriteParty);
    EXPECT_EQ(readBytes(rom), patched({{0x240 + 5 * 16 + 0x0C, {0x07, 0x00}}}));
}

TEST_F(TrainerDialog, AFailedPartyReadIsNeverWrittenBack)
{
    open();
    selectTrainer(2);
    EXPECT_EQ(status.last(), "ファイルを読み取り中にエラーが発生しました。");
    EXPECT_EQ(dialog().itemCount(kMembers), 0);
    EXPECT_FALSE(dialog().isEnabled(kHeldItem));
    EXPECT_EQ(dialog().text(kMemberLevel, 20), "0");
    // Pointed at the real party, the zeroed buffer must still not replace it.
    page().record(2)[0x1D] = 0x02;
    press(kWriteParty);
    EXPECT_EQ(status.last(), "ザルバトデータを読み込めなかったので、保存しませんでした。");
    relocate("2", 2, true);
    EXPECT_EQ(shell->messageTexts(),
              std::vector<std::string>{"ザルバトデータを読み込めなかったので、コピーできません。"});
    EXPECT_EQ(readBytes(rom), bytes);
}

// The frame's message that picks a list entry acts as a click on that trainer.
TEST_F(TrainerDialog, ASelectionFromOutsideThatMissesTheListKeepsTheTrainer)
{
    open();
    EXPECT_EQ(tabs.forwardToCurrentPage(window_message::kSelectListEntry, 1, 0), 1);
    EXPECT_EQ(dialog().text(kName, 20), "ab");
    selectTrainer(2);
    EXPECT_EQ(tabs.forwardToCurrentPage(window_message::kSelectListEntry, 1, 0), 1);
    tabs.forwardToCurrentPage(window_message::kSelectListEntry, 99, 0);
    EXPECT_EQ(page().currentTrainer(), 1u);
    EXPECT_EQ(dialog().selection(kTrainerList), 1);
    EXPECT_EQ(dialog().text(kName, 20), "ab");
}

TEST_F(TrainerDialog, AMissingPictureSwitchesItsKindOffOnce)
{
    open();
    selectTrainer(2); // picture 0 shown already; its party's monster 0 too
    std::filesystem::remove(dir.file("pics/FR/trainer-001.bmp"));
    selectTrainer(1);
    const std::string missing = "ファイル\"" + dir.path() + "/pics/FR/trainer-001.bmp\"を読み込めませんでした。";
    EXPECT_NE(std::find(status.texts.begin(), status.texts.end(), missing), status.texts.end());
    EXPECT_EQ(shell->menuChecked(kHideTrainerPicturesCommand), true);
    EXPECT_FALSE(dialog().isVisible(kPicture));
    const std::size_t messages = status.texts.size();
    press(kPictureNext);
    EXPECT_EQ(status.texts.size(), messages);
    EXPECT_TRUE(dialog().isVisible(kPictureNumber));
    EXPECT_EQ(dialog().text(kPictureNumber, 20), "2");
    press(kPictureNext);
    EXPECT_EQ(dialog().text(kPictureNumber, 20), "2");

    // The menu item turns them on again; the monster picture buttons step and select.
    sendCommand(*host, tabs, kHideTrainerPicturesCommand, 0);
    EXPECT_EQ(shell->menuChecked(kHideTrainerPicturesCommand), false);
    writeBytes(dir.file("pics/FR/trainer-001.bmp"), kBitmap);
    press(kPicturePrevious);
    EXPECT_TRUE(dialog().isVisible(kPicture));
    EXPECT_FALSE(dialog().isVisible(kPictureNumber));
    press(kMonsterNext);
    EXPECT_EQ(dialog().selection(kMonster), 3);
    EXPECT_EQ(shell->menuChecked(kHideMonsterPicturesCommand), true);
    EXPECT_FALSE(dialog().isVisible(kMonsterPicture));
    press(kMonsterPrevious);
    EXPECT_EQ(dialog().selection(kMonster), 2);
    EXPECT_FALSE(dialog().isVisible(kMonsterPicture));
}

// The relocation dialog for trainer 0 with a new count and data type, copying or not: the
// party lands at 0x302, then the record's type, count and pointer follow.
TEST_F(TrainerDialog, MovesAPartyToOtherCountsAndTypes)
{
    struct Case {
        const char* count;
        int dataType;
        bool copy;
        std::vector<std::uint8_t> record; // at 0x118: count, kept bytes, pointer
        std::vector<std::uint8_t> party;
        const char* status;
    };
    const std::vector<Case> cases = {
        // Without copying, zeroed members.
        {"2", 0, false, {0x02, 0xD9, 0xDA, 0xDB, 0x02, 0x03, 0x00, 0x08}, std::vector<std::uint8_t>(16, 0x00),
         "初期化しました。"},
        // The buffer still holds the moves of trainer 1, shown before; copied entries without
        // moves get zero moves.
        {"1", 1, true, {0x01, 0xD9, 0xDA, 0xDB, 0x02, 0x03, 0x00, 0x08},
         {0x0A, 0x00, 0x05, 0x00, 0x19, 0x00, 0x77, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},
         "保存しました。"},
        // More members of a type with items: the copied ones keep their bytes but monster 412,
        // which becomes 0; the new one is zero.
        {"4", 2, true, {0x04, 0xD9, 0xDA, 0xDB, 0x02, 0x03, 0x00, 0x08},
         {0x0A, 0x00, 0x05, 0x00, 0x19, 0x00, 0x77, 0x00, 0x14, 0x00, 0x07, 0x00, 0x02, 0x00, 0x00, 0x00,
          0x1E, 0x00, 0x09, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},
         "保存しました。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        open();
        selectTrainer(1);
        selectTrainer(0);
        relocate(c.count, c.dataType, c.copy);
        EXPECT_EQ(readBytes(rom), patched({{0x100, {static_cast<std::uint8_t>(c.dataType)}}, {0x118, c.record},
                                           {0x302, c.party}}));
        EXPECT_EQ(status.last(), c.status);
        EXPECT_EQ(dialog().text(kPartyOffset, 20), "0x302");
        EXPECT_EQ(dialog().itemCount(kMembers), std::stoi(c.count));
    }
    EXPECT_EQ(shell->modalTemplates(), std::vector<int>(3, relocation_dialog::kTemplateId));
    // The last type has items: the held item shows, and item 0x77 is not listed.
    EXPECT_TRUE(dialog().isEnabled(kHeldItem));
    EXPECT_EQ(dialog().selection(kHeldItem), IDialogControls::kNoItem);
}

TEST_F(TrainerDialog, TheRelocationDialogRefusesABadCountAndClosesAfterStore)
{
    open();
    shell->scriptModal([](IDialogControls& controls, const ScriptedShell::Command& command) {
        namespace relocation = relocation_dialog;
        EXPECT_EQ(controls.caption(), "とれーなーえでぃっと");
        EXPECT_EQ(controls.text(relocation::kCount, 16), "3");
        EXPECT_EQ(controls.selection(relocation::kDataType), 0);
        EXPECT_EQ(controls.text(relocation::kMaximum, 16), "100");
        controls.setText(relocation::kCount, "7");
        command(relocation::kSearch, window_message::kButtonClicked);
        controls.setText(relocation::kCount, "2");
        controls.setSelection(relocation::kDataType, 4);
        command(relocation::kSearch, window_message::kButtonClicked);
        EXPECT_FALSE(controls.isEnabled(relocation::kStore));
    });
    sendCommand(*host, tabs, kChangePartyCommand, 0);
    EXPECT_EQ(shell->messageTexts(),
              (std::vector<std::string>{"ザルバトの数がおかしいです。", "でーたタイプがおかしいです。"}));
    EXPECT_EQ(readBytes(rom), bytes);
}

TEST_F(TrainerDialog, TheMenuItemFollowsThePage)
{
    for (int id : kAllControls)
        EXPECT_FALSE(dialog().isEnabled(id)) << id;
    EXPECT_EQ(shell->menuEnabled(kChangePartyCommand), false);
    open();
    chooseTab(*host, tabs, 1);
    EXPECT_EQ(shell->menuEnabled(kChangePartyCommand), false);
    chooseTab(*host, tabs, 0);
    EXPECT_EQ(shell->menuEnabled(kChangePartyCommand), true);
    EXPECT_EQ(dialog().text(kName, 20), "ABC");
}

TEST_F(TrainerDialog, BitmapsThatCannotBeLoadedAreRefusedWithTheMessage)
{
    open();
    std::vector<std::uint8_t> huge = kBitmap;
    putBytes(huge, 0x12, {0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x40});
    const std::vector<std::vector<std::uint8_t>> unreadable = {
        {kBitmap.begin(), kBitmap.begin() + 30}, {'n', 'o', 't', ' ', 'a', ' ', 'b', 'm', 'p'}, huge, {}};
    const std::string path = dir.file("pics/FR/trainer-001.bmp");
    const std::string message = "ファイル\"" + dir.path() + "/pics/FR/trainer-001.bmp\"を読み込めませんでした。";
    for (std::size_t i = 0; i < unreadable.size(); ++i) {
        std::filesystem::remove(path);
        if (unreadable[i].empty())
            std::filesystem::create_directory(path);
        else
            writeBytes(path, unreadable[i]);
        selectTrainer(1);
        EXPECT_EQ(status.last(), message) << i;
        EXPECT_EQ(shell->menuChecked(kHideTrainerPicturesCommand), true) << i;
        EXPECT_FALSE(dialog().isVisible(kPicture)) << i;
        sendCommand(*host, tabs, kHideTrainerPicturesCommand, 0);
        selectTrainer(0);
        EXPECT_TRUE(dialog().isVisible(kPicture)) << i;
    }
}

TEST_F(TrainerDialog, AFailedRelocationLeavesTheRecordAndTheRom)
{
    open();
    const std::vector<std::uint8_t> record0(kTrainers.begin(), kTrainers.begin() + 32);
    // The record leads to the new area only while the table is written; a failed write
    // (here to a file opened for reading) puts it back.
    ResultOf<RomFile> unwritable = RomFile::openForReading(rom);
    EXPECT_FALSE(TrainerRelocation(page()).rewritePointer(*unwritable, {0x302, 4, 1, true}).ok());
    const auto record = page().record(0);
    EXPECT_EQ(std::vector<std::uint8_t>(record.begin(), record.end()), record0);
    unwritable->close();

    ReadOnlyFile readOnly(rom);
    if (!readOnly.isReadOnly())
        GTEST_SKIP() << "the ROM cannot be made read-only here";
    relocate("4", 1, true);
    EXPECT_EQ(status.last().rfind("CTrainer_Edit::GbaRom_Tamblor_New_Data を実行中にエラーが発生しました。", 0), 0u);
    EXPECT_EQ(shell->messageTexts(), std::vector<std::string>{"ファイルの読み込みに失敗しました。"});
    EXPECT_EQ(readBytes(rom), bytes);
    EXPECT_EQ(std::vector<std::uint8_t>(record.begin(), record.end()), record0);
    EXPECT_EQ(dialog().text(kPartyOffset, 20), "0x200");
}
