#include "core/FieldStore.h"
#include "core/Profile.h"
#include "core/RomFile.h"
#include "core/TabSystem.h"
#include "core/relocation/RelocationDialog.h"
#include "core/ui/DialogControls.h"
#include "core/ui/WindowMessages.h"
#include "pages/monster/MonsterDialog.h"
#include "pages/monster/MonsterPage.h"
#include "pages/monster/TmHmWindow.h"
#include "tests/pages/PageDialogTest.h"
#include "tests/pages/RelocationScript.h"
#include "tests/pages/TestPageHost.h"
#include "tests/pages/TestShell.h"
#include "tests/support/PageSlots.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace monster_dialog;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr std::size_t kNamesAt = 0x100;
constexpr std::size_t kStatsAt = 0xB00;
constexpr std::size_t kEvolutionsAt = 0x3900;
constexpr std::size_t kDexAt = 0x8000;
constexpr std::size_t kPointersAt = 0xB000;
constexpr std::size_t kTmHmAt = 0xB800;
constexpr std::size_t kListsAt = 0xC800;
constexpr std::size_t kTextsAt = 0xD000;
constexpr std::size_t kFreeAt = 0xE000;
constexpr std::size_t kRomSize = 0xE100;
const std::string kKeys = "Name_Start_Pos=256\r\nMonsterBaseStats_Pos=2816\r\nMonster_Evol_Data_Pos=14592\r\n"
                          "MonsterDexData=32768\r\nLevel_Skill=45056\r\nSkill_Machine=47104\r\n";

// Every list but monster 1's is empty; dex 0 and 1 have descriptions, dex 2's lies beyond
// the file's end.
Bytes monsterRom()
{
    Bytes rom = patternBytes(kRomSize, 7, 3);
    putBytes(rom, 0xAC, {'B', 'P', 'R', 'J'});
    putBytes(rom, kStatsAt + 28, {45, 49, 50, 51, 65, 66, 12, 3, 45, 64, 0x39, 0xF4, 0, 0, 0, 0, 31, 20, 70, 3, 1, 7,
                                  2, 3, 9, 0xAA, 0xBB, 0xCC});
    putBytes(rom, kEvolutionsAt + 40, {4, 0xE1, 16, 0, 2, 0, 0xE6, 0xE7, 7, 0xE1, 3, 0, 5, 0, 0xE6, 0xE7});
    putBytes(rom, kListsAt, {0xFF, 0xFF});
    putBytes(rom, kListsAt + 0x10, {0x05, 0x0A, 0x21, 0x14, 0xFF, 0xFF, 0x07, 0x02});
    for (std::size_t monster = 0; monster < 412; ++monster)
        putBytes(rom, kPointersAt + 4 * monster, {0x00, 0xC8, 0x00, 0x08});
    putBytes(rom, kPointersAt + 4, {0x10, 0xC8, 0x00, 0x08});
    putBytes(rom, kDexAt + 12, {0x10, 0xD0, 0x00, 0x08});
    putBytes(rom, kDexAt + 28 + 12, {0x00, 0xD0, 0x00, 0x08});
    putBytes(rom, kDexAt + 56 + 12, {0x00, 0xF0, 0x00, 0x08});
    putBytes(rom, kTextsAt, {0x51, 0x52, 0x53, 0xFF, 0x01, 0x02});
    putBytes(rom, kTextsAt + 0x10, {0x51, 0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0xFF, 0x01});
    putBytes(rom, kTmHmAt, {0x01, 0, 0, 0, 0, 0, 0, 0x02});
    putBytes(rom, kTmHmAt + 8, {0, 0, 0, 0, 0, 0, 0, 0xFF});
    std::fill_n(rom.begin() + kFreeAt, 0x40, 0xFF);
    return rom;
}

class MonsterDialog : public PageDialogTest {
protected:
    MonsterDialog() : PageDialogTest(monsterRom()) {}

    void SetUp() override
    {
        tabs.setProgramDirectory(dir.path());
        tabs.setStatusLine(&status);
        tabs.AddPage(std::make_unique<CSolid_Value>(tabs), "ザルバトエディター");
        tabs.showFirstPage();
        writeFile(dir.file("tokusei.ini"), "なし\r\nもうか\r\nげきりゅう\r\nしんりょく\r\nいかく\r\n");
    }
    void open(const std::string& keys = kKeys)
    {
        writeSettings(dir.path(), "BPRJ", keys);
        writeBytes(rom, bytes);
        ASSERT_EQ(tabs.openRom(rom), CTabSystem::kReadDone) << toUtf8(status.last());
    }
    CSolid_Value& page() { return static_cast<CSolid_Value&>(*tabs.pages()[0]); }
    void select(int id, int entry)
    {
        dialog().setSelection(id, entry);
        sendCommand(*host, tabs, id, window_message::kComboSelChange);
    }
    void type(int id, const char* text) { dialog().setText(id, text); }
    void type(const std::vector<std::pair<int, const char*>>& texts)
    {
        for (const auto& [id, text] : texts)
            type(id, text);
    }
    void expectTexts(const std::vector<std::pair<int, std::string>>& texts)
    {
        for (const auto& [id, text] : texts)
            EXPECT_EQ(dialog().text(id, 100), text) << id;
    }
    void expectSelections(const std::vector<std::pair<int, int>>& selections)
    {
        for (const auto& [id, selection] : selections)
            EXPECT_EQ(dialog().selection(id), selection) << id;
    }
    void expectEnabled(const std::vector<std::pair<int, bool>>& states)
    {
        for (const auto& [id, enabled] : states)
            EXPECT_EQ(dialog().isEnabled(id), enabled) << id;
    }
    // The ROM as opened, with these runs written over it.
    Bytes patched(const std::vector<std::pair<std::size_t, Bytes>>& runs) const
    {
        Bytes result = bytes;
        for (const auto& [at, run] : runs)
            putBytes(result, at, run);
        return result;
    }
    // With backups on, a page's first write copies the file as opened.
    void expectOneBackup()
    {
        const std::vector<std::string> copies = backupsOf(rom);
        ASSERT_EQ(copies.size(), 1u) << toUtf8(status.last());
        EXPECT_EQ(readBytes(copies[0]), bytes);
    }
    std::string cached(const char* file, const char* key)
    {
        return profileReadString(dir.file(file), "BPRJ", key, "", 30);
    }
    void cache(const char* file, const char* key, const char* value)
    {
        profileWriteString(dir.file(file), "BPRJ", key, value);
    }
    void relocate(const char* count, bool copy)
    {
        shell->scriptModal([=](IDialogControls& controls, const ScriptedShell::Command& command) {
            EXPECT_EQ(controls.caption(), "ざるばとえでぃた～");
            EXPECT_EQ(controls.text(relocation_dialog::kCount, 16), "");
            searchAndStore(controls, command, count, "0xE000", "0xE040", copy);
        });
        press(kLevelRelocate);
    }
    IDialogControls& tmHm() { return page().tmHmWindow()->window().controls(); }
    void pressTmHmSave()
    {
        page().tmHmWindow()->windowMessage(window_message::kCommand,
                                           window_message::makeCommand(TmHmWindow::kSave, window_message::kButtonClicked), 0);
    }

    std::unique_ptr<ScriptedShell> shell = makeTestShell(tabs);
};

} // namespace

TEST_F(MonsterDialog, ShowsAMonsterAndStoresEveryFieldWithItsFallbacks)
{
    open();
    EXPECT_EQ(dialog().itemCount(kMonster), 412);
    EXPECT_EQ(dialog().itemCount(kEvolutionMethod), 16);
    EXPECT_EQ(dialog().itemText(kEggGroup1, 15), "卵未発見");
    EXPECT_EQ(items(kAbility1).size(), 5u);
    EXPECT_EQ(items(kCommonItem), std::vector<std::string>{"無し"});
    select(kMonster, 1);
    expectTexts({{kHp, "45"}, {kTotal, "326"}, {kEggSteps, "5120"}, {kFleeRate, "9"}, {kEvolutionLevel, "16"},
                 {kEffortEdits[0], "1"}, {kEffortEdits[1], "2"}, {kEffortEdits[2], "3"}, {kEffortEdits[3], "0"},
                 {kEffortEdits[4], "0"}, {kEffortEdits[5], "1"}});
    expectSelections({{kType1, 12}, {kAbility2, 3}, {kEvolutionMethod, 4}, {kEvolutionTarget, 2}});
    expectEnabled({{kFleeRate, true}, {kEvolutionLevel, true}, {kEvolutionItem, false}});

    type({{kHp, "300"}, {kSpeed, "65537"}, {kEggSteps, "5121"}, {kEffortEdits[0], "5"}, {kEvolutionLevel, "30"}});
    dialog().setSelection(kType2, 17);
    dialog().setSelection(kAbility2, 4);
    press(kStoreRecord);
    EXPECT_EQ(status.last(), "体力、努力値の体力: 正しい値を取得できなかったので、適当な値を設定しました。");
    // The fields show what was stored.
    expectTexts({{kHp, "255"}, {kSpeed, "1"}, {kEffortEdits[0], "3"}, {kTotal, "486"}});
    saveAndExpect(patched({{kStatsAt + 28, {255, 49, 50, 1, 65, 66, 12, 17, 45, 64, 0x3B, 0x04, 0, 0, 0, 0, 31, 20,
                                            70, 3, 1, 7, 2, 4, 9, 0xAA, 0xBB, 0xCC}},
                           {kEvolutionsAt + 40 + 2, {30, 0}}}));
}

TEST_F(MonsterDialog, AMethodTakesEffectAtOnceAndItsParameterFollows)
{
    open();
    select(kMonster, 1);
    select(kEvolutionMethod, 5);
    EXPECT_EQ(page().evolution(1).methods[0], 5);
    expectEnabled({{kEvolutionLevel, false}, {kEvolutionItem, false}, {kEvolutionTarget, true}});
    press(kStoreRecord);
    EXPECT_EQ(status.last(), kStoredText);
    EXPECT_EQ(page().evolution(1).parameters[0], 0);

    select(kEvolutionMethod, 4);
    type(kEvolutionLevel, "300");
    press(kStoreRecord);
    EXPECT_EQ(page().evolution(1).parameters[0], 254);
    EXPECT_EQ(status.last(), "レベル: 正しい値を取得できなかったので、適当な値を設定しました。");
    EXPECT_EQ(dialog().text(kEvolutionLevel, 9), "254");
    select(kEvolutionSlot, 1);
    expectSelections({{kEvolutionMethod, 7}, {kEvolutionTarget, 5}});
    expectEnabled({{kEvolutionItem, true}, {kEvolutionLevel, false}});
}

TEST_F(MonsterDialog, NamesAndCategoriesAreStoredAndListed)
{
    open();
    select(kMonster, 1);
    type(kName, "");
    press(kStoreName);
    EXPECT_EQ(status.last(), kEnterNameText);
    type(kName, "アイ");
    press(kStoreName);
    EXPECT_EQ(Bytes(page().name(1).begin(), page().name(1).end()), (Bytes{0x51, 0x52, 0xFF, 0, 0, 0xFF}));
    EXPECT_EQ(dialog().itemText(kMonster, 1).rfind("001:アイ", 0), 0u);
    EXPECT_EQ(dialog().selection(kMonster), 1);

    type(kCategory, "ウエ");
    press(kStoreCategory);
    EXPECT_EQ(page().dex(1).category, (std::array<std::uint8_t, 5>{0x53, 0x54, 0xFF, 0, 0}));
    EXPECT_EQ(dialog().itemText(kDex, 1).rfind("001:ウエ", 0), 0u);
    saveAndExpect(patched({{kNamesAt + 6, {0x51, 0x52, 0xFF, 0, 0, 0xFF}}, {kDexAt + 28, {0x53, 0x54, 0xFF, 0, 0}}}));
}

TEST_F(MonsterDialog, TheDexEntryFollowsTheMonsterAndStoresHeightAndWeight)
{
    open();
    for (auto [monster, dexNumber] : {std::pair{252, 0}, {277, 252}}) {
        select(kMonster, monster);
        EXPECT_EQ(dialog().selection(kDex), dexNumber) << monster;
    }
    select(kDex, 1);
    expectTexts({{kDescriptionAddress, "0xD000"}, {kDescriptionSize, "0x4"}});
    EXPECT_EQ(cached("String.ini", "0x0000D000"), "4");
    type({{kHeight, "1.75"}, {kWeight, "-1"}});
    press(kStoreDex);
    EXPECT_EQ(page().dex(1).height, 17);
    EXPECT_EQ(page().dex(1).weight, 0);
    EXPECT_EQ(dialog().text(kHeight, 9), "1.7");
    EXPECT_EQ(status.last(), "重さ: 正しい値を取得できなかったので、適当な値を設定しました。");
    // Beyond 16 bits the value is still kept at the highest, never wrapped.
    type({{kWeight, "1000"}, {kHeight, "7000"}});
    press(kStoreDex);
    EXPECT_EQ(page().dex(1).weight, 9999);
    EXPECT_EQ(page().dex(1).height, 9999);
    EXPECT_EQ(status.last(), "高さ、重さ: 正しい値を取得できなかったので、適当な値を設定しました。");
}

TEST_F(MonsterDialog, DescriptionsAreSavedInPlaceWithinTheirText)
{
    open();
    ASSERT_TRUE(keepBackups(dir.path(), 10));
    // Dex 0: 9 characters and the end.
    EXPECT_EQ(dialog().text(kDescription, 100).rfind("アイウエオカキクケ", 0), 0u);
    type(kDescription, "ソソソソソソソソソソソソソソソソソソソソ");
    press(kSaveDescription);
    Bytes expected = patched({{kTextsAt + 0x10, {0x5F, 0x5F, 0x5F, 0x5F, 0x5F, 0x5F, 0x5F, 0x5F, 0x5F, 0xFF}}});
    EXPECT_EQ(readBytes(rom), expected);
    expectOneBackup();
    tabs.actionEnded(); // as the frame does, so that the backup's notice leads no later text

    // A cached length beyond the text's end saves up to the end only.
    cache("String.ini", "0x0000D000", "6");
    select(kDex, 1);
    EXPECT_EQ(dialog().text(kDescriptionSize, 16), "0x6");
    type(kDescription, "エオカキク");
    press(kSaveDescription);
    putBytes(expected, kTextsAt, {0x54, 0x55, 0x56, 0xFF});
    EXPECT_EQ(readBytes(rom), expected);
    EXPECT_NE(status.last().find("0x4"), std::string::npos);

    // Dex 2's text lies beyond the file: nothing was read, nothing is written.
    cache("String.ini", "0x0000F000", "8");
    select(kDex, 2);
    type(kDescription, "アイ");
    press(kSaveDescription);
    EXPECT_EQ(readBytes(rom), expected);
    EXPECT_EQ(status.last(), "説明を読み取れなかったので、保存しませんでした。");
}

TEST_F(MonsterDialog, ALevelUpListIsCountedEditedSwappedAndSavedInPlace)
{
    open();
    ASSERT_TRUE(keepBackups(dir.path(), 10));
    select(kMonster, 1);
    EXPECT_EQ(cached("waza.ini", "0x0000C810"), "2");
    expectTexts({{kLevelAddress, "0xC810"}, {kLevelCount, "2"}, {kLevel, "5"}});
    ASSERT_EQ(dialog().itemCount(kLevelList), 2);
    EXPECT_EQ(dialog().itemText(kLevelList, 0), "Lv:005 " + dialog().itemText(kLevelMove, 5));
    EXPECT_EQ(dialog().selection(kLevelList), 0);

    press(kLevelUp);
    EXPECT_EQ(status.last(), "行き止まりです。。");
    select(kLevelList, 1);
    EXPECT_EQ(dialog().selection(kLevelMove), 33);
    press(kLevelDown);
    EXPECT_EQ(status.last(), "行き止まりです。。");
    dialog().setSelection(kLevelMove, 300);
    type(kLevel, "50");
    press(kLevelStore);
    EXPECT_EQ(status.last(), kStoredText);
    EXPECT_EQ(dialog().itemText(kLevelList, 1), "Lv:050 " + dialog().itemText(kLevelMove, 300));
    select(kLevelList, 0);
    type(kLevel, "0");
    press(kLevelStore);
    EXPECT_EQ(status.last(), "レベル: 正しい値を取得できなかったので、適当な値を設定しました。");
    EXPECT_EQ(dialog().text(kLevel, 9), "1");
    press(kLevelDown);
    EXPECT_EQ(dialog().selection(kLevelList), 1);
    press(kLevelSave);
    EXPECT_EQ(readBytes(rom), patched({{kListsAt + 0x10, {0x2C, 0x65, 0x05, 0x02}}}));
    expectOneBackup();
}

TEST_F(MonsterDialog, CachedCountsNeverSaveBeyondTheEndEntryNorAnotherMonstersList)
{
    cache("waza.ini", "0x0000C810", "4");
    open();
    select(kMonster, 1);
    ASSERT_EQ(dialog().itemCount(kLevelList), 4);
    type(kLevel, "9");
    press(kLevelStore);
    press(kLevelSave);
    const Bytes expected = patched({{kListsAt + 0x10, {0x05, 0x12}}});
    EXPECT_EQ(readBytes(rom), expected);
    EXPECT_NE(status.last().find("2個"), std::string::npos);

    // A shorter count shows and saves only its entries.
    cache("waza.ini", "0x0000C810", "1");
    select(kMonster, 0);
    EXPECT_EQ(dialog().itemCount(kLevelList), 0);
    EXPECT_EQ(dialog().text(kLevelCount, 9), "0");
    press(kLevelSave);
    EXPECT_EQ(readBytes(rom), expected);
    select(kMonster, 1);
    EXPECT_EQ(dialog().itemCount(kLevelList), 1);
}

// A list that cannot be written in place says why on the status line and writes nothing.
TEST_F(MonsterDialog, AListThatIsNotSavedOrMovedSaysWhy)
{
    cache("waza.ini", "0x0000C800", "3");
    open();
    ASSERT_EQ(dialog().itemCount(kLevelList), 3);
    press(kLevelSave);
    EXPECT_EQ(status.last(), "Romのリストは0個で終わっているので、保存しませんでした。");

    // 4096 entries from 0xC800 run past the end of the file.
    cache("waza.ini", "0x0000C800", "4096");
    select(kMonster, 1);
    select(kMonster, 0);
    press(kLevelSave);
    EXPECT_EQ(status.last(), "技のリストを読み取れなかったので、保存しませんでした。");
    press(kLevelRelocate);
    EXPECT_EQ(status.last(), "技のリストを読み取れなかったので、移動できません。");
    EXPECT_TRUE(shell->modalTemplates().empty());
    EXPECT_EQ(readBytes(rom), bytes);
}

TEST_F(MonsterDialog, RelocationWritesTheListAndItsEndThenThePointerTableThenTheCache)
{
    // A cached count past the list's end entry copies nothing from beyond it.
    cache("waza.ini", "0x0000C810", "4");
    open();
    select(kMonster, 1);
    relocate("5", true);
    EXPECT_EQ(shell->modalTemplates(), std::vector<int>{relocation_dialog::kTemplateId});
    EXPECT_EQ(readBytes(rom), patched({{kFreeAt + 2, {0x05, 0x0A, 0x21, 0x14, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF}},
                                       {kPointersAt + 4, {0x02, 0xE0, 0x00}}}));
    EXPECT_EQ(status.last(), "保存しました。");
    EXPECT_EQ(cached("waza.ini", "0x0000E002"), "5");
    EXPECT_EQ(page().levelUpOffset(1), 0xE002u);
    EXPECT_EQ(dialog().text(kLevelAddress, 16), "0xE002");
    EXPECT_EQ(dialog().itemCount(kLevelList), 5);
}

TEST_F(MonsterDialog, AFailedRelocationLeavesThePointerTheCacheAndThePage)
{
    open();
    select(kMonster, 1);
    ReadOnlyFile readOnly(rom);
    if (!readOnly.isReadOnly())
        GTEST_SKIP() << "the ROM cannot be made read-only here";
    relocate("3", false);
    EXPECT_EQ(readBytes(rom), bytes);
    EXPECT_EQ(status.last().rfind("CSolid_Value::GbaRomData_Waza_Data_Save を実行中にエラーが発生しました。", 0), 0u);
    EXPECT_EQ(cached("waza.ini", "0x0000E002"), "");
    EXPECT_EQ(page().levelUpOffset(1), 0xC810u);
    EXPECT_EQ(dialog().itemCount(kLevelList), 2);
}

TEST_F(MonsterDialog, TheTmHmWindowFollowsTheMonsterAndSavesItsRecord)
{
    open();
    ASSERT_TRUE(keepBackups(dir.path(), 10));
    EXPECT_EQ(page().tmHmWindow(), nullptr);
    press(kTmHm);
    ASSERT_NE(page().tmHmWindow(), nullptr);
    EXPECT_TRUE(page().tmHmWindow()->window().isShown());
    EXPECT_EQ(tmHm().caption(), "Skill Machine Window");
    // Bits 0 to 57 are the boxes in order; HM 01 is bit 50.
    for (int k = 0; k < 58; ++k)
        EXPECT_EQ(tmHm().isChecked(TmHmWindow::kFirstCheck + k), k == 0 || k == 57) << k;
    for (int k = 0; k < 58; ++k)
        tmHm().setChecked(TmHmWindow::kFirstCheck + k, k == 50);
    // Only a click saves: the button's other notifications (here BN_SETFOCUS) write nothing.
    page().tmHmWindow()->windowMessage(window_message::kCommand, window_message::makeCommand(TmHmWindow::kSave, 6), 0);
    EXPECT_EQ(readBytes(rom), bytes);
    pressTmHmSave();
    Bytes expected = patched({{kTmHmAt, {0, 0, 0, 0, 0, 0, 0x04, 0}}});
    EXPECT_EQ(readBytes(rom), expected);
    expectOneBackup();

    // Monster 1's bits 58 to 63 are set in the file, and saved as 0.
    select(kMonster, 1);
    EXPECT_TRUE(tmHm().isChecked(TmHmWindow::kFirstCheck + 57));
    tmHm().setChecked(TmHmWindow::kFirstCheck + 3, true);
    select(kMonster, 2);
    select(kMonster, 1);
    EXPECT_FALSE(tmHm().isChecked(TmHmWindow::kFirstCheck + 3));
    pressTmHmSave();
    putBytes(expected, kTmHmAt + 15, {0x03});
    EXPECT_EQ(readBytes(rom), expected);
    EXPECT_TRUE(shell->messages().empty());
}

TEST_F(MonsterDialog, AnUnreadTmHmRecordIsNeverSaved)
{
    // Monster 0's record is the file's last 8 bytes; monster 1's lies beyond.
    open("MonsterBaseStats_Pos=2816\r\nSkill_Machine=57592\r\n");
    press(kTmHm);
    select(kMonster, 1);
    EXPECT_EQ(shell->messageTexts(), std::vector<std::string>{"読み取りに失敗しました。"});
    tmHm().setChecked(TmHmWindow::kFirstCheck, true);
    pressTmHmSave();
    EXPECT_EQ(shell->messages().size(), 2u);
    EXPECT_EQ(shell->messages().back().caption, "エラー(Error)");
    EXPECT_EQ(readBytes(rom), bytes);
}

TEST_F(MonsterDialog, TablesThatAreNotConfiguredKeepTheirControlsDisabled)
{
    open("Name_Start_Pos=256\r\nMonsterBaseStats_Pos=2816\r\n");
    EXPECT_TRUE(dialog().isEnabled(kStoreRecord));
    for (int id : kDexControls)
        EXPECT_FALSE(dialog().isEnabled(id)) << id;
    for (int id : kLevelUpControls)
        EXPECT_FALSE(dialog().isEnabled(id)) << id;
    EXPECT_EQ(readText(dir.file("waza.ini")), "");
    EXPECT_EQ(readText(dir.file("String.ini")), "");
    press(kLevelSave);
    press(kSaveDescription);
    EXPECT_EQ(readBytes(rom), bytes);

    open("Name_Start_Pos=256\r\n");
    expectEnabled({{kMonster, false}, {kStoreRecord, false}});
}

TEST_F(MonsterDialog, PointersIntoTheCartridgeHeaderAreShownButNeverWritten)
{
    // Monster 2's list and dex 2's description point at offset 0, where an end lies at 0x10.
    putBytes(bytes, 0x10, {0xFF, 0xFF});
    putBytes(bytes, kPointersAt + 8, {0x00, 0x00, 0x00, 0x08});
    putBytes(bytes, kDexAt + 56 + 12, {0x00, 0x00, 0x00, 0x08});
    open();
    select(kMonster, 2);
    ASSERT_GT(dialog().itemCount(kLevelList), 0);
    press(kLevelSave);
    EXPECT_EQ(status.last(), kHeaderWriteRefusedText);
    select(kDex, 2);
    type(kDescription, "アイ");
    press(kSaveDescription);
    EXPECT_EQ(status.last(), kHeaderWriteRefusedText);
    EXPECT_EQ(readBytes(rom), bytes);
}
