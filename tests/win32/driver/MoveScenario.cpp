#include "tests/win32/driver/MoveScenario.h"

#include "tests/win32/driver/PageControls.h"
#include "tests/win32/driver/RomBytes.h"
#include "tests/win32/driver/Screenshot.h"
#include "tests/win32/driver/Windows.h"

namespace {

constexpr int kMoveTab = 3;
constexpr int kStatusBarId = 1;
constexpr WPARAM kSaveCommand = 32774;
constexpr DWORD kWriteTimeout = 120000;
constexpr long kMoveRecordSize = 12;

// The move page.
constexpr int kSelector = 1047;
constexpr int kEffect = 1048;
constexpr int kPower = 1046;
constexpr int kType = 1049;
constexpr int kAccuracy = 1050;
constexpr int kPp = 1051;
constexpr int kEffectChance = 1052;
constexpr int kRawByteEdits[] = {1054, 1056, 1058, 1055, 1057, 1059};
constexpr int kStoreRawBytes = 1060;
constexpr int kStore = 1053;

// The fixture's move 20: effect 20, power 100, type 2, accuracy 70, PP 25, chance 20, raw
// bytes 20, 0, A0 to A3. It becomes effect 7, power 95, 火 (10), accuracy 100, PP 15, chance
// 30, raw bytes 1 to 6. Move 354's type is 18, which the type list does not show.
constexpr int kEditedMove = 20;
const Bytes kEditedMoveBytes = {0x07, 0x5F, 0x0A, 0x64, 0x0F, 0x1E, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06};
constexpr int kUnlistedTypeMove = 354;

void editMove(Report& report, const PageDialog& page, HWND status)
{
    page.choose(kSelector, kEditedMove);
    report.check(comboSelection(page.control(kEffect)) == 20 && comboSelection(page.control(kType)) == 2 &&
                     windowText(page.control(kPower)) == "100" && windowText(page.control(kRawByteEdits[1])) == "0",
                 "move: move 20 shows effect 20, type 2, power 100 and its raw bytes");
    page.choose(kEffect, kEditedMoveBytes[0]);
    page.type(kPower, "95");
    page.choose(kType, kEditedMoveBytes[2]);
    page.type(kAccuracy, "100");
    page.type(kPp, "15");
    page.type(kEffectChance, "30");
    const char* raw[] = {"1", "2", "3", "4", "5", "6"};
    for (int i = 0; i < 6; ++i)
        page.type(kRawByteEdits[i], raw[i]);
    page.setChecked(kStoreRawBytes, true);
    page.click(kStore);
    const std::string text = waitForText(status, "正常終了。", kWriteTimeout);
    report.check(text == "正常終了。", "move: status line after storing", quoted(text));
}

} // namespace

void checkMovePage(Report& report, HWND frame, const std::string& romPath, const std::string& screenshotFolder)
{
    const Bytes before = readFile(romPath);
    if (!report.check(before.size() > 0xB0, "move: the ROM is readable", romPath))
        return;
    const std::string folder = romPath.substr(0, romPath.find_last_of('\\'));
    const std::string code(before.begin() + 0xAC, before.begin() + 0xB0);
    const long tableAt = settingOffset(folder + "\\Setting.ini", code, "AttackTable");
    Bytes expected = before;
    if (!report.check(patch(expected, tableAt + kEditedMove * kMoveRecordSize, kEditedMoveBytes),
                      "move: Setting.ini gives AttackTable inside the ROM"))
        return;
    HWND dialog = selectPage(frame, kMoveTab);
    if (!report.check(dialog != nullptr, "move: the page's dialog is a child of the tab control"))
        return;
    const PageDialog page(dialog);
    report.check(comboCount(page.control(kSelector)) == 355 && comboCount(page.control(kEffect)) == 214 &&
                     comboCount(page.control(kType)) == 18,
                 "move: 355 moves, the 214 effects of effects.ini and 18 types");
    report.check(comboItem(page.control(kEffect), 20) == "効果020", "move: effect 20 is line 21 of effects.ini",
                 quoted(comboItem(page.control(kEffect), 20)));

    HWND status = GetDlgItem(frame, kStatusBarId);
    page.choose(kSelector, kUnlistedTypeMove);
    report.check(comboSelection(page.control(kType)) == CB_ERR, "move: type 18 shows no type");
    page.click(kStore);
    editMove(report, page, status);
    saveScreenshot(frame, screenshotFolder + "\\move-record.bmp");

    sendWithin(frame, WM_COMMAND, kSaveCommand, 0);
    const std::string saveText = waitForText(status, "保存しました。", kWriteTimeout);
    report.check(saveText == "保存しました。", "move: status line after saving", quoted(saveText));
    const Bytes saved = readFile(romPath);
    report.check(saved == expected, "move: saving changed move 20's twelve bytes and kept move 354's type",
                 saved == expected ? "" : differences(saved, expected));
}
