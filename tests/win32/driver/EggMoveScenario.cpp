#include "tests/win32/driver/EggMoveScenario.h"

#include "tests/win32/driver/PageControls.h"
#include "tests/win32/driver/RomBytes.h"
#include "tests/win32/driver/Screenshot.h"
#include "tests/win32/driver/Windows.h"

namespace {

constexpr int kEggMoveTab = 1;
constexpr int kStatusBarId = 1;
constexpr WPARAM kSaveCommand = 32774;
constexpr DWORD kWriteTimeout = 120000;

// The egg move page.
constexpr int kLineList = 1133;
constexpr int kMonsterCombo = 1132;
constexpr int kSetMonster = 1129;
constexpr int kMoveList = 1130;
constexpr int kMoveCombo = 1131;
constexpr int kSetMove = 1004;
constexpr int kNormalMode = 1134;
constexpr int kRawMode = 1135;

// The fixture's table: 7, 8, then the markers of monsters 1 (word 2, moves 33 45 52 98), 4, 7,
// 25 (word 10), 152, 411, 412 and 100; 29 words.
constexpr int kEntryCount = 8;
constexpr int kWordCount = 29;
// Normal mode: monster 1's third move (word 5) becomes 200 and monster 25 becomes 26; raw
// mode: word 0 becomes move 10.
constexpr int kFirstEntry = 0;
constexpr int kEditedMoveLine = 2;
constexpr int kNewMove = 200;
constexpr int kRenamedEntry = 3;
constexpr int kNewMonster = 26;
constexpr int kEditedWord = 0;
constexpr int kNewWordMove = 10;
constexpr long kEditedMoveAt = 5 * 2;
constexpr long kRenamedMarkerAt = 10 * 2;
constexpr long kEditedWordAt = 0;

void editNormalMode(Report& report, const PageDialog& page)
{
    page.chooseListEntry(kLineList, kFirstEntry);
    report.check(listCount(page.control(kMoveList)) == 4, "egg: monster 1 lists its four moves");
    page.chooseListEntry(kMoveList, kEditedMoveLine);
    page.choose(kMoveCombo, kNewMove);
    page.click(kSetMove);
    const std::string move = listItem(page.control(kMoveList), kEditedMoveLine);
    report.check(move == comboItem(page.control(kMoveCombo), kNewMove), "egg: the set move's line", quoted(move));

    page.chooseListEntry(kLineList, kRenamedEntry);
    page.choose(kMonsterCombo, kNewMonster);
    page.click(kSetMonster);
    const std::string monster = listItem(page.control(kLineList), kRenamedEntry);
    report.check(monster == comboItem(page.control(kMonsterCombo), kNewMonster), "egg: the set monster's line",
                 quoted(monster));
}

void editRawMode(Report& report, const PageDialog& page)
{
    page.click(kRawMode);
    report.check(listCount(page.control(kLineList)) == kWordCount, "egg: the raw mode lists all 29 words");
    const std::string carried = listItem(page.control(kLineList), kEditedMoveAt / 2);
    report.check(carried == comboItem(page.control(kMoveCombo), kNewMove),
                 "egg: the raw mode shows the move set in the normal mode", quoted(carried));
    page.chooseListEntry(kLineList, kEditedWord);
    page.choose(kMoveCombo, kNewWordMove);
    page.click(kSetMove);
    page.click(kNormalMode);
    report.check(listCount(page.control(kLineList)) == kEntryCount, "egg: back in the normal mode, eight monsters");
}

} // namespace

void checkEggMovePage(Report& report, HWND frame, const std::string& romPath, const std::string& screenshotFolder)
{
    const Bytes rom = readFile(romPath);
    const std::string folder = romPath.substr(0, romPath.find_last_of('\\'));
    const std::string code(rom.begin() + 0xAC, rom.begin() + 0xB0);
    const long tableAt = settingOffset(folder + "\\Setting.ini", code, "MonsterEggData");
    if (!report.check(tableAt >= 0 && static_cast<std::size_t>(tableAt + kWordCount * 2) <= rom.size(),
                      "egg: Setting.ini gives MonsterEggData inside the ROM"))
        return;
    HWND dialog = selectPage(frame, kEggMoveTab);
    if (!report.check(dialog != nullptr, "egg: the page's dialog is a child of the tab control"))
        return;
    const PageDialog page(dialog);
    report.check(listCount(page.control(kLineList)) == kEntryCount, "egg: the normal mode lists eight monsters");

    Bytes expected = rom;
    patch(expected, tableAt + kEditedMoveAt, {static_cast<std::uint8_t>(kNewMove), 0x00});
    patch(expected, tableAt + kRenamedMarkerAt, {0x3A, 0x4E});
    patch(expected, tableAt + kEditedWordAt, {static_cast<std::uint8_t>(kNewWordMove), 0x00});
    editNormalMode(report, page);
    editRawMode(report, page);
    page.chooseListEntry(kLineList, kFirstEntry);
    report.check(listCount(page.control(kMoveList)) == 4, "egg: after the round trip monster 1 still has four moves");
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    saveScreenshot(frame, screenshotFolder + "\\egg-record.bmp");

    HWND status = GetDlgItem(frame, kStatusBarId);
    sendWithin(frame, WM_COMMAND, kSaveCommand, 0);
    const std::string saveText = waitForText(status, "保存しました。", kWriteTimeout);
    report.check(saveText == "保存しました。", "egg: status line after saving", quoted(saveText));
    compareFile(report, romPath, expected, "egg: saving changed exactly the three edited words");
}
