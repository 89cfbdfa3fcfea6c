#include "tests/win32/driver/TradeScenario.h"

#include "tests/win32/driver/PageControls.h"
#include "tests/win32/driver/RomBytes.h"
#include "tests/win32/driver/Screenshot.h"
#include "tests/win32/driver/Windows.h"

namespace {

constexpr int kTradeTab = 8;
constexpr int kStatusBarId = 1;
constexpr WPARAM kSaveCommand = 32774;
constexpr DWORD kWriteTimeout = 120000;

// The trade page.
constexpr int kTradeList = 1147;
constexpr int kWanted = 1151;
constexpr int kNature = 1150;
constexpr int kParentName = 1148;
constexpr int kStoreParentName = 1152;
constexpr int kParentId = 1154;
constexpr int kPersonality = 1157;
constexpr int kGender = 1155;
constexpr int kShiny = 1156;
constexpr int kHpValue = 1069;
constexpr int kStore = 1159;

// The fixture's nine trades of 60 bytes; trade 0 has PV 0, parent ID 0xFFFF (not shiny) and
// individual values 0, 3, 6, 9, 12, 15. It becomes: gender value 255 and nature まじめ (12),
// so PV 0x000016FF; shiny, so parent ID 0x16FF; parent name "Ab"; HP 40, stored as 31;
// wanted monster 300.
constexpr int kTradeCount = 9;
constexpr long kRecordSize = 60;
constexpr int kEditedTrade = 0;
constexpr int kNewNature = 12;
constexpr int kNewWanted = 300;

void editTrade(Report& report, const PageDialog& page)
{
    page.chooseListEntry(kTradeList, kEditedTrade);
    page.type(kGender, "255");
    page.choose(kNature, kNewNature);
    const std::string pv = windowText(page.control(kPersonality));
    report.check(pv == "0x000016FF", "trade: gender value 255 and nature 12 give PV 0x000016FF", quoted(pv));
    page.click(kShiny);
    const std::string id = windowText(page.control(kParentId));
    report.check(id == "0x16FF", "trade: the shiny check box makes the parent ID 0x16FF", quoted(id));

    page.type(kParentName, "Ab");
    page.click(kStoreParentName);
    const std::string line = listItem(page.control(kTradeList), kEditedTrade);
    report.check(line == "Ab終　　", "trade: the list shows the stored parent name", quoted(line));

    page.type(kHpValue, "40");
    page.choose(kWanted, kNewWanted);
    page.click(kStore);
}

} // namespace

void checkTradePage(Report& report, HWND frame, const std::string& romPath, const std::string& screenshotFolder)
{
    const Bytes rom = readFile(romPath);
    const std::string folder = romPath.substr(0, romPath.find_last_of('\\'));
    const std::string code(rom.begin() + 0xAC, rom.begin() + 0xB0);
    const long tableAt = settingOffset(folder + "\\Setting.ini", code, "Communication_Change");
    if (!report.check(tableAt >= 0 && static_cast<std::size_t>(tableAt + kTradeCount * kRecordSize) <= rom.size(),
                      "trade: Setting.ini gives Communication_Change inside the ROM"))
        return;
    HWND dialog = selectPage(frame, kTradeTab);
    if (!report.check(dialog != nullptr, "trade: the page's dialog is a child of the tab control"))
        return;
    const PageDialog page(dialog);
    report.check(listCount(page.control(kTradeList)) == kTradeCount, "trade: the page lists the nine trades");

    const long recordAt = tableAt + kEditedTrade * kRecordSize;
    Bytes expected = rom;
    patch(expected, recordAt + 0x0E, {0x1F});
    patch(expected, recordAt + 0x18, {0xFF, 0x16});
    patch(expected, recordAt + 0x24, {0xFF, 0x16, 0x00, 0x00});
    patch(expected, recordAt + 0x2B, {0xBB, 0xD6, 0xFF, 0x00, 0x00, 0xFF});
    patch(expected, recordAt + 0x38, {0x2C, 0x01});
    HWND status = GetDlgItem(frame, kStatusBarId);
    editTrade(report, page);
    const std::string storeText = windowText(status);
    report.check(storeText == "正常終了。", "trade: status line after storing", quoted(storeText));
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    saveScreenshot(frame, screenshotFolder + "\\trade-record.bmp");

    sendWithin(frame, WM_COMMAND, kSaveCommand, 0);
    const std::string saveText = waitForText(status, "保存しました。", kWriteTimeout);
    report.check(saveText == "保存しました。", "trade: status line after saving", quoted(saveText));
    compareFile(report, romPath, expected, "trade: saving changed exactly the edited trade's fields");
}
