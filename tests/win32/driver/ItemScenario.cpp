#include "tests/win32/driver/ItemScenario.h"

#include "tests/win32/driver/PageControls.h"
#include "tests/win32/driver/RomBytes.h"
#include "tests/win32/driver/Screenshot.h"
#include "tests/win32/driver/Windows.h"

#include <cstdio>

namespace {

constexpr int kItemTab = 4;
constexpr int kStatusBarId = 1;
constexpr WPARAM kSaveCommand = 32774;
constexpr DWORD kWriteTimeout = 120000;
constexpr long kItemRecordSize = 40;

// The item page.
constexpr int kSelector = 1061;
constexpr int kPrice = 1063;
constexpr int kParameter = 1064;
constexpr int kPocket = 1007;
constexpr int kBattleUsage = 1062;
constexpr int kDescription = 1135;
constexpr int kStore = 1053;

// The fixture's 120 items; item 7: price 700, parameter 21, pocket 3, battle usage 1, its
// description 0x8000 + 7 * 16 bytes past the table. It gets price 70000 (stored as 4464),
// parameter 300 (44), pocket 5 and battle usage 2. Item 119's pocket is 0, which no list entry
// shows.
constexpr int kItemCount = 120;
constexpr int kEditedItem = 7;
constexpr long kDescriptionOffset = 0x8000 + kEditedItem * 16;
const Bytes kEditedPrice = {0x70, 0x11};
const Bytes kEditedParameter = {0x2C};
const Bytes kEditedPocket = {0x05};
const Bytes kEditedBattleUsage = {0x02};
constexpr int kUnlistedPocketItem = 119;

std::string hexText(long value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%lX", static_cast<unsigned long>(value));
    return text;
}

void editItem(Report& report, const PageDialog& page, HWND status, long tableAt)
{
    page.choose(kSelector, kEditedItem);
    const std::string description = windowText(page.control(kDescription));
    report.check(windowText(page.control(kPrice)) == "700" && windowText(page.control(kParameter)) == "21" &&
                     comboSelection(page.control(kPocket)) == 2 && comboSelection(page.control(kBattleUsage)) == 1,
                 "item: item 7 shows price 700, parameter 21, pocket 3 and battle usage 1");
    report.check(description == hexText(tableAt + kDescriptionOffset), "item: item 7's description offset",
                 quoted(description));
    page.type(kPrice, "70000");
    page.type(kParameter, "300");
    page.choose(kPocket, kEditedPocket[0] - 1);
    page.choose(kBattleUsage, kEditedBattleUsage[0]);
    page.click(kStore);
    const std::string text = waitForText(status, "正常終了。", kWriteTimeout);
    report.check(text == "正常終了。", "item: status line after storing", quoted(text));
}

} // namespace

void checkItemPage(Report& report, HWND frame, const std::string& romPath, const std::string& screenshotFolder)
{
    const Bytes before = readFile(romPath);
    if (!report.check(before.size() > 0xB0, "item: the ROM is readable", romPath))
        return;
    const std::string folder = romPath.substr(0, romPath.find_last_of('\\'));
    const std::string code(before.begin() + 0xAC, before.begin() + 0xB0);
    const long tableAt = settingOffset(folder + "\\Setting.ini", code, "Item_Data");
    const long itemAt = tableAt + kEditedItem * kItemRecordSize;
    Bytes expected = before;
    if (!report.check(tableAt >= 0 && patch(expected, itemAt + 0x0C, kEditedPrice) &&
                          patch(expected, itemAt + 0x0F, kEditedParameter) &&
                          patch(expected, itemAt + 0x16, kEditedPocket) &&
                          patch(expected, itemAt + 0x1C, kEditedBattleUsage),
                      "item: Setting.ini gives Item_Data inside the ROM"))
        return;
    HWND dialog = selectPage(frame, kItemTab);
    if (!report.check(dialog != nullptr, "item: the page's dialog is a child of the tab control"))
        return;
    const PageDialog page(dialog);
    report.check(comboCount(page.control(kSelector)) == kItemCount && comboCount(page.control(kPocket)) == 5 &&
                     comboCount(page.control(kBattleUsage)) == 3,
                 "item: 120 items, 5 pockets and 3 battle usage types");
    const std::string second = comboItem(page.control(kPocket), 1);
    report.check(second == "重要なアイテム", "item: a BPRJ game's second pocket", quoted(second));

    HWND status = GetDlgItem(frame, kStatusBarId);
    page.choose(kSelector, kUnlistedPocketItem);
    report.check(comboSelection(page.control(kPocket)) == CB_ERR, "item: pocket 0 shows no pocket");
    page.click(kStore);
    editItem(report, page, status, tableAt);
    saveScreenshot(frame, screenshotFolder + "\\item-record.bmp");

    sendWithin(frame, WM_COMMAND, kSaveCommand, 0);
    const std::string saveText = waitForText(status, "保存しました。", kWriteTimeout);
    report.check(saveText == "保存しました。", "item: status line after saving", quoted(saveText));
    const Bytes saved = readFile(romPath);
    report.check(saved == expected, "item: saving changed item 7's four fields and kept item 119's pocket",
                 saved == expected ? "" : differences(saved, expected));
}
