#include "tests/win32/driver/PageControls.h"
#include "tests/win32/driver/RomBytes.h"
#include "tests/win32/driver/Scenarios.h"
#include "tests/win32/driver/Screenshot.h"
#include "tests/win32/driver/Windows.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kTypeChartTab = 5;
constexpr int kStatusBarId = 1;
constexpr WPARAM kSaveCommand = 32774;
constexpr DWORD kDialogTimeout = 30000;
constexpr DWORD kWriteTimeout = 120000;

// The type chart page.
constexpr int kEntryList = 1044;
constexpr int kAttacker = 1045;
constexpr int kDefender = 1046;
constexpr int kMultiplier = 1047;
constexpr int kStore = 128;
constexpr int kRePoint = 1137;

// The relocation dialog.
constexpr int kCount = 1044;
constexpr int kRangeStart = 1047;
constexpr int kRangeEnd = 1048;
constexpr int kCandidates = 1049;
constexpr int kCopyOld = 1050;
constexpr int kSearch = 1051;
constexpr int kRelocate = IDOK;

// The fixture's chart: 30 entries at the place the pointer at "Compatibility" gives. Entry 4
// becomes ドラゴン (16) against 格闘 (1), 2倍 (20).
constexpr long kOldCount = 30;
constexpr long kNewCount = 32;
constexpr int kEditedEntry = 4;
const Bytes kEditedEntryBytes = {0x10, 0x01, 0x14};
constexpr std::uint32_t kCartridgeBase = 0x08000000;

std::uint32_t little32(const Bytes& rom, long at)
{
    return static_cast<std::uint32_t>(rom[at] | rom[at + 1] << 8 | rom[at + 2] << 16) |
           static_cast<std::uint32_t>(rom[at + 3]) << 24;
}

// The relocation dialog is a top-level dialog of the program's process with the page's title.
HWND findRelocationDialog(HWND frame)
{
    DWORD process = 0;
    GetWindowThreadProcessId(frame, &process);
    return waitForWindow(kDialogTimeout, [&] {
        HWND found = findTopLevelWindow("#32770", process);
        return found && IsWindowVisible(found) && windowText(found) == "相性変更～" ? found : nullptr;
    });
}

bool editEntry(Report& report, HWND frame, const std::string& romPath, long chartAt)
{
    HWND dialog = selectPage(frame, kTypeChartTab);
    if (!report.check(dialog != nullptr, "typechart: the page's dialog is a child of the tab control"))
        return false;
    const PageDialog page(dialog);
    report.check(listCount(page.control(kEntryList)) == kOldCount, "typechart: the page lists the 30 entries");
    Bytes expected = readFile(romPath);
    patch(expected, chartAt + kEditedEntry * 3, kEditedEntryBytes);
    page.chooseListEntry(kEntryList, kEditedEntry);
    page.choose(kAttacker, kEditedEntryBytes[0]);
    page.choose(kDefender, kEditedEntryBytes[1]);
    page.choose(kMultiplier, 2);
    page.click(kStore);
    const std::string line = listItem(page.control(kEntryList), kEditedEntry);
    report.check(line == "ドラゴン\t格闘\t2倍", "typechart: the stored entry's line", quoted(line));

    HWND status = GetDlgItem(frame, kStatusBarId);
    sendWithin(frame, WM_COMMAND, kSaveCommand, 0);
    const std::string saveText = waitForText(status, "保存しました。", kWriteTimeout);
    report.check(saveText == "保存しました。", "typechart: status line after saving", quoted(saveText));
    return compareFile(report, romPath, expected, "typechart: saving changed exactly the edited entry's three bytes");
}

void relocate(Report& report, HWND frame, const std::string& romPath, long pointerAt, long chartAt,
              const std::string& screenshotFolder)
{
    const PageDialog page(selectPage(frame, kTypeChartTab));
    const Bytes before = readFile(romPath);
    page.clickLater(kRePoint);
    HWND found = findRelocationDialog(frame);
    if (!report.check(found != nullptr, "typechart: RePoint opens the relocation dialog titled 相性変更～"))
        return;
    const PageDialog dialog(found);
    report.check(windowText(dialog.control(kCount)) == "30", "typechart: the count starts at the chart's 30 entries");
    report.check(windowText(dialog.control(kRangeStart)) == "0x6C8000" &&
                     windowText(dialog.control(kRangeEnd)) == "0xBFFFFF",
                 "typechart: the search range of a BPRJ game");
    dialog.type(kCount, "32");
    dialog.setChecked(kCopyOld, true);
    dialog.click(kSearch);
    const std::string first = listItem(dialog.control(kCandidates), 0);
    const long candidate = std::strtol(first.c_str(), nullptr, 16);
    if (!report.check(listCount(dialog.control(kCandidates)) > 0 && candidate > 0,
                      "typechart: the search lists candidates", quoted(first)))
        return;
    saveScreenshot(frame, screenshotFolder + "\\typechart-relocation.bmp");
    saveScreenshot(found, screenshotFolder + "\\relocation-dialog.bmp");

    const long newSize = kNewCount * 3 + 2;
    bool free = candidate >= 2 && static_cast<std::size_t>(candidate + newSize) <= before.size();
    for (long at = candidate - 2; free && at < candidate + newSize; ++at)
        free = before[at] == 0xFF;
    report.check(free, "typechart: the candidate and the two bytes before it were free space", quoted(first));

    HWND status = GetDlgItem(frame, kStatusBarId);
    dialog.clickLater(kRelocate);
    report.check(waitUntil(kWriteTimeout, [&] { return !IsWindow(found); }), "typechart: 設定 closes the dialog");
    const std::string text = waitForText(status, "保存しました。", kWriteTimeout);
    report.check(text == "保存しました。", "typechart: status line after relocating", quoted(text));

    Bytes expected = before;
    const std::uint32_t pointer = static_cast<std::uint32_t>(candidate) + kCartridgeBase;
    patch(expected, pointerAt, {static_cast<std::uint8_t>(pointer), static_cast<std::uint8_t>(pointer >> 8),
                                static_cast<std::uint8_t>(pointer >> 16), static_cast<std::uint8_t>(pointer >> 24)});
    Bytes moved(static_cast<std::size_t>(newSize), 0x00);
    std::copy(before.begin() + chartAt, before.begin() + chartAt + kOldCount * 3, moved.begin());
    moved[kNewCount * 3] = 0xFE;
    moved[kNewCount * 3 + 1] = 0xFE;
    patch(expected, candidate, moved);
    compareFile(report, romPath, expected,
                "typechart: the pointer, the 30 old entries, two empty ones and FE FE, nothing else");
    report.check(listCount(page.control(kEntryList)) == kNewCount, "typechart: the page lists 32 entries");
}

} // namespace

void checkTypeChartPage(Report& report, HWND frame, const std::string& romPath, const std::string& screenshotFolder)
{
    const Bytes rom = readFile(romPath);
    const std::string folder = romPath.substr(0, romPath.find_last_of('\\'));
    const std::string code(rom.begin() + 0xAC, rom.begin() + 0xB0);
    const long pointerAt = settingOffset(folder + "\\Setting.ini", code, "Compatibility");
    if (!report.check(pointerAt >= 0 && static_cast<std::size_t>(pointerAt) + 4 <= rom.size(),
                      "typechart: Setting.ini gives Compatibility inside the ROM"))
        return;
    const long chartAt = static_cast<long>(little32(rom, pointerAt) - kCartridgeBase);
    if (!report.check(chartAt >= 0 && static_cast<std::size_t>(chartAt + kOldCount * 3) <= rom.size(),
                      "typechart: the pointer leads into the ROM"))
        return;
    if (editEntry(report, frame, romPath, chartAt))
        relocate(report, frame, romPath, pointerAt, chartAt, screenshotFolder);
}
