#include "tests/win32/driver/MonsterScenario.h"

#include "tests/win32/driver/PageControls.h"
#include "tests/win32/driver/RomBytes.h"
#include "tests/win32/driver/Screenshot.h"
#include "tests/win32/driver/Windows.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <vector>

namespace {

constexpr int kMonsterTab = 0;
constexpr int kStatusBarId = 1;
constexpr WPARAM kSaveCommand = 32774;
constexpr DWORD kDialogTimeout = 30000;
constexpr DWORD kWriteTimeout = 120000;
constexpr int kRuns = 11;

// The monster page.
constexpr int kStoreName = 1066;
constexpr int kName = 1067;
constexpr int kMonster = 1068;
constexpr int kHp = 1069;
constexpr int kAttack = 1070;
constexpr int kType1 = 1075;
constexpr int kType2 = 1077;
constexpr int kSaveDescription = 1085;
constexpr int kDescription = 1087;
constexpr int kEvolutionLevel = 1090;
constexpr int kStoreRecord = 1091;
constexpr int kEvolutionTarget = 1093;
constexpr int kLevelMove = 1112;
constexpr int kLevel = 1113;
constexpr int kLevelList = 1114;
constexpr int kLevelStore = 1117;
constexpr int kLevelCount = 1119;
constexpr int kLevelRelocate = 1120;
constexpr int kTmHm = 1125;
constexpr int kLevelSave = 1126;

// The relocation dialog.
constexpr int kCount = 1044;
constexpr int kCandidates = 1049;
constexpr int kCopyOld = 1050;
constexpr int kSearch = 1051;

// The TM/HM window.
constexpr int kTmHmSave = 55579;
constexpr int kFirstCheck = 55580;

// Fixture monster 10 (level evolution in slot 0, 11 level-up moves) is edited; monster 2's
// list of 3 entries is moved; monster 2's TM/HM record and dex description are changed.
constexpr int kEdited = 10;
constexpr int kMoved = 2;
constexpr long kMovedCount = 3;
constexpr long kNewCount = 5;
constexpr long kDescriptionLength = 21;

struct Offsets {
    long names, stats, evolutions, dex, levelUp, tmHm;
};

std::uint32_t low24(const Bytes& rom, long at)
{
    return static_cast<std::uint32_t>(rom[at] | rom[at + 1] << 8 | rom[at + 2] << 16);
}

std::string cached(const std::string& folder, const char* file, const std::string& section, std::uint32_t offset)
{
    char key[16];
    std::snprintf(key, sizeof key, "0x%08X", static_cast<unsigned>(offset));
    char value[32] = {};
    GetPrivateProfileStringA(section.c_str(), key, "", value, sizeof value, (folder + "\\" + file).c_str());
    return value;
}

bool saveRom(Report& report, HWND frame, const char* what)
{
    sendWithin(frame, WM_COMMAND, kSaveCommand, 0);
    const std::string text = waitForText(GetDlgItem(frame, kStatusBarId), "保存しました。", kWriteTimeout);
    return report.check(text == "保存しました。", what, quoted(text));
}

void editRecord(Report& report, HWND frame, const PageDialog& page, const std::string& romPath, const Offsets& at)
{
    Bytes expected = readFile(romPath);
    page.choose(kMonster, kEdited);
    page.type(kHp, "100");
    page.type(kAttack, "90");
    page.choose(kType1, 13);
    page.choose(kType2, 11);
    page.type(kEvolutionLevel, "36");
    page.choose(kEvolutionTarget, 20);
    page.click(kStoreRecord);
    const std::string stored = windowText(GetDlgItem(frame, kStatusBarId));
    report.check(stored == "正常終了。", "monster: storing the record (1091) stores every field", quoted(stored));
    page.type(kName, "アカネ");
    page.click(kStoreName);
    const std::string entry = comboItem(page.control(kMonster), kEdited);
    report.check(entry.rfind("010:アカネ", 0) == 0, "monster: the renamed monster's list entry", quoted(entry));

    patch(expected, at.stats + kEdited * 28, {100, 90});
    patch(expected, at.stats + kEdited * 28 + 6, {13, 11});
    patch(expected, at.evolutions + kEdited * 40 + 2, {36, 0, 20, 0});
    patch(expected, at.names + kEdited * 6, {0x51, 0x56, 0x68, 0xFF, 0x00, 0xFF});
    if (saveRom(report, frame, "monster: status line after saving the record"))
        compareFile(report, romPath, expected, "monster: stats, types, evolution and name, nothing else");
}

void editLevelUpEntry(Report& report, const PageDialog& page, const std::string& romPath, const Offsets& at)
{
    Bytes expected = readFile(romPath);
    const long list = static_cast<long>(low24(expected, at.levelUp + kEdited * 4));
    report.check(windowText(page.control(kLevelCount)) == "11", "monster: monster 10 learns 11 moves");
    page.chooseListEntry(kLevelList, 2);
    page.choose(kLevelMove, 300);
    page.type(kLevel, "50");
    page.click(kLevelStore);
    const std::string line = listItem(page.control(kLevelList), 2);
    report.check(line.rfind("Lv:050 ", 0) == 0, "monster: the stored level-up line", quoted(line));
    page.click(kLevelSave);
    patch(expected, list + 4, {0x2C, 0x65});
    compareFile(report, romPath, expected, "monster: saving the list (1126) writes move 300 at level 50 as 2C 65, nothing else");
}

HWND findRelocationDialog(HWND frame)
{
    DWORD process = 0;
    GetWindowThreadProcessId(frame, &process);
    return waitForWindow(kDialogTimeout, [&] {
        HWND found = findTopLevelWindow("#32770", process);
        return found && IsWindowVisible(found) && windowText(found) == "ざるばとえでぃた～" ? found : nullptr;
    });
}

void relocateList(Report& report, HWND frame, const PageDialog& page, const std::string& romPath,
                  const Offsets& at, const std::string& code, const std::string& screenshotFolder)
{
    page.choose(kMonster, kMoved);
    const Bytes before = readFile(romPath);
    const long oldList = static_cast<long>(low24(before, at.levelUp + kMoved * 4));
    page.clickLater(kLevelRelocate);
    HWND found = findRelocationDialog(frame);
    if (!report.check(found != nullptr, "monster: the count button (1120) opens the relocation dialog with the monster title"))
        return;
    const PageDialog dialog(found);
    report.check(windowText(dialog.control(kCount)).empty(), "monster: the count starts empty");
    dialog.type(kCount, "5");
    dialog.setChecked(kCopyOld, true);
    dialog.click(kSearch);
    const std::string first = listItem(dialog.control(kCandidates), 0);
    const long candidate = std::strtol(first.c_str(), nullptr, 16);
    if (!report.check(candidate > 2, "monster: the search lists candidates", quoted(first))) {
        PostMessageA(found, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    saveScreenshot(found, screenshotFolder + "\\monster-relocation.bmp");
    dialog.clickLater(IDOK);
    report.check(waitUntil(kWriteTimeout, [&] { return !IsWindow(found); }), "monster: the store button (IDOK) closes the dialog");
    const std::string text = waitForText(GetDlgItem(frame, kStatusBarId), "保存しました。", kWriteTimeout);
    report.check(text == "保存しました。", "monster: status line after relocating", quoted(text));

    Bytes expected = before;
    patch(expected, at.levelUp + kMoved * 4, {static_cast<std::uint8_t>(candidate), static_cast<std::uint8_t>(candidate >> 8),
                                              static_cast<std::uint8_t>(candidate >> 16)});
    Bytes moved((kNewCount + 1) * 2, 0x00);
    std::copy(before.begin() + oldList, before.begin() + oldList + kMovedCount * 2, moved.begin());
    moved[kNewCount * 2] = 0xFF;
    moved[kNewCount * 2 + 1] = 0xFF;
    patch(expected, candidate, moved);
    compareFile(report, romPath, expected, "monster: the pointer, the 3 old entries, two empty ones and FF FF, nothing else");
    const std::string folder = romPath.substr(0, romPath.find_last_of('\\'));
    const std::string count = cached(folder, "waza.ini", code, static_cast<std::uint32_t>(candidate));
    report.check(count == "5", "monster: waza.ini holds 5 under the new address", quoted(count));
    report.check(listCount(page.control(kLevelList)) == kNewCount, "monster: the page lists 5 entries");
}

void tickTmHm(Report& report, HWND frame, const PageDialog& page, const std::string& romPath, const Offsets& at,
              const std::string& screenshotFolder)
{
    Bytes expected = readFile(romPath);
    page.click(kTmHm);
    DWORD process = 0;
    GetWindowThreadProcessId(frame, &process);
    HWND window = waitForWindow(kDialogTimeout, [&] {
        HWND found = findTopLevelWindow("こどもども～", process);
        return found && IsWindowVisible(found) ? found : nullptr;
    });
    if (!report.check(window != nullptr, "monster: the TM/HM button (1125) shows the Skill Machine Window"))
        return;
    report.check(windowText(window) == "Skill Machine Window", "monster: the window's title");
    const PageDialog tmHm(window);
    // Monster 2 cannot learn TM 01 nor HM 01 in the fixture.
    tmHm.click(kFirstCheck);
    tmHm.click(kFirstCheck + 50);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    sendWithin(window, WM_NULL, 0, 0);
    saveScreenshot(window, screenshotFolder + "\\monster-tmhm.bmp");
    tmHm.click(kTmHmSave);
    const long record = at.tmHm + kMoved * 8;
    patch(expected, record, {static_cast<std::uint8_t>(expected[record] | 0x01)});
    patch(expected, record + 6, {static_cast<std::uint8_t>(expected[record + 6] | 0x04)});
    compareFile(report, romPath, expected, "monster: the TM/HM record gains TM 01 and HM 01, nothing else changes");
    sendWithin(window, WM_CLOSE, 0, 0);
    report.check(IsWindow(window) && !IsWindowVisible(window), "monster: closing the window hides it");
}

void saveDescription(Report& report, const PageDialog& page, const std::string& romPath, const Offsets& at,
                     const std::string& code)
{
    Bytes expected = readFile(romPath);
    const long text = static_cast<long>(low24(expected, at.dex + kMoved * 28 + 12));
    if (!report.check(expected[text + kDescriptionLength - 1] == 0xFF, "monster: dex 2's description is 21 bytes"))
        return;
    page.type(kDescription, "アイウ");
    page.click(kSaveDescription);
    Bytes saved(kDescriptionLength, 0x00);
    saved[0] = 0x51;
    saved[1] = 0x52;
    saved[2] = 0x53;
    saved.back() = 0xFF;
    patch(expected, text, saved);
    compareFile(report, romPath, expected, "monster: the description is saved in place within its 21 bytes");
    const std::string folder = romPath.substr(0, romPath.find_last_of('\\'));
    const std::string length = cached(folder, "String.ini", code, static_cast<std::uint32_t>(text));
    report.check(length == "21", "monster: String.ini holds the description's length", quoted(length));
}

double milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Showing another monster: the selection until the page is drawn again. The first showing
// of a monster also counts its list and measures its description into the caches.
double medianShowTime(HWND frame, const PageDialog& page)
{
    std::vector<double> runs;
    for (int run = 0; run < kRuns; ++run) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        page.choose(kMonster, 20 + run);
        RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        sendWithin(frame, WM_NULL, 0, 0);
        QueryPerformanceCounter(&end);
        runs.push_back(milliseconds(start, end));
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

void printShowTimings(HWND frame, const PageDialog& page)
{
    const double first = medianShowTime(frame, page);
    const double again = medianShowTime(frame, page);
    std::printf("bench: showing another monster takes %.1f ms the first time, %.1f ms again (median of %d)\n", first,
                again, kRuns);
    std::fflush(stdout);
}

} // namespace

void checkMonsterPage(Report& report, HWND frame, const std::string& romPath, const std::string& screenshotFolder)
{
    const Bytes rom = readFile(romPath);
    const std::string folder = romPath.substr(0, romPath.find_last_of('\\'));
    const std::string settings = folder + "\\Setting.ini";
    const std::string code(rom.begin() + 0xAC, rom.begin() + 0xB0);
    const Offsets at = {settingOffset(settings, code, "Name_Start_Pos"),  settingOffset(settings, code, "MonsterBaseStats_Pos"),
                        settingOffset(settings, code, "Monster_Evol_Data_Pos"), settingOffset(settings, code, "MonsterDexData"),
                        settingOffset(settings, code, "Level_Skill"), settingOffset(settings, code, "Skill_Machine")};
    const long tables[] = {at.names, at.stats, at.evolutions, at.dex, at.levelUp, at.tmHm};
    const bool inside = std::all_of(std::begin(tables), std::end(tables), [&](long offset) {
        return offset >= 0 && static_cast<std::size_t>(offset) + 0x3000 <= rom.size();
    });
    if (!report.check(inside, "monster: Setting.ini gives every monster table inside the ROM"))
        return;
    HWND dialog = selectPage(frame, kMonsterTab);
    if (!report.check(dialog != nullptr, "monster: the page's dialog is a child of the tab control"))
        return;
    const PageDialog page(dialog);
    report.check(comboCount(page.control(kMonster)) == 412, "monster: the page lists 412 monsters");

    editRecord(report, frame, page, romPath, at);
    editLevelUpEntry(report, page, romPath, at);
    relocateList(report, frame, page, romPath, at, code, screenshotFolder);
    tickTmHm(report, frame, page, romPath, at, screenshotFolder);
    saveDescription(report, page, romPath, at, code);
    RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    saveScreenshot(frame, screenshotFolder + "\\monster-page.bmp");
    printShowTimings(frame, page);
}
