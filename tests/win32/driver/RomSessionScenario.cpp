#include "tests/win32/driver/EggMoveScenario.h"
#include "tests/win32/driver/FileDialog.h"
#include "tests/win32/driver/ImageScenario.h"
#include "tests/win32/driver/ItemScenario.h"
#include "tests/win32/driver/MonsterScenario.h"
#include "tests/win32/driver/MoveScenario.h"
#include "tests/win32/driver/PageControls.h"
#include "tests/win32/driver/Program.h"
#include "tests/win32/driver/RomBytes.h"
#include "tests/win32/driver/Scenarios.h"
#include "tests/win32/driver/Screenshot.h"
#include "tests/win32/driver/TextScenario.h"
#include "tests/win32/driver/TradeScenario.h"
#include "tests/win32/driver/TrainerScenario.h"
#include "tests/win32/driver/Windows.h"

#include <cstdio>

namespace {

constexpr DWORD kStartTimeout = 60000;
constexpr DWORD kDialogTimeout = 30000;
constexpr DWORD kRomTimeout = 120000;
constexpr DWORD kExitTimeout = 30000;

constexpr WPARAM kOpenCommand = 32771;
constexpr WPARAM kSaveCommand = 32774;
constexpr WPARAM kTerminatorCommand = 32773;
constexpr int kSaveButton = 0x8006;
constexpr UINT kSelectTabMessage = 0x8000;
constexpr int kStatusBarId = 1;
constexpr int kTabCount = 10;
constexpr int kOtherTab = 9;

// The Other page's controls.
constexpr int kClassSelector = 1001;
constexpr int kClassNameEdit = 1002;
constexpr int kStoreClassName = 1003;
constexpr int kMoveSelector = 1004;
constexpr int kMoveNameEdit = 1005;
constexpr int kStoreMoveName = 1006;
constexpr int kLeftStarter = 1121;
constexpr int kStoreStarters = 1124;

// The edits and the bytes they must leave in the ROM: class 2 named "ABC" (11-byte field),
// move entry 5 named "あい" (8-byte field; typed as code page 932 text, so it also crosses the
// process boundary in the ANSI code page), monster 4 as the left starter.
constexpr int kEditedClass = 2;
constexpr int kEditedMove = 5;
constexpr int kLeftStarterEntry = 4;
const Bytes kClassNameBytes = {0xBB, 0xBC, 0xBD, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF};
const Bytes kMoveNameBytes = {0x01, 0x02, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF};
const Bytes kLeftStarterBytes = {0x04, 0x00};

bool openThroughDialog(Report& report, HWND frame, const std::string& romPath)
{
    PostMessageA(frame, WM_COMMAND, kOpenCommand, 0);
    HWND dialog = waitForFileDialog(frame, kDialogTimeout);
    if (!report.check(dialog != nullptr, "rom: command 32771 shows the open-file dialog"))
        return false;
    return report.check(chooseFile(dialog, romPath, kDialogTimeout),
                        "rom: the dialog takes the ROM path and closes on OK", romPath);
}

void photographTabs(Report& report, HWND frame, const std::string& folder)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    for (int tab = 0; tab < kTabCount; ++tab) {
        sendWithin(frame, kSelectTabMessage, static_cast<WPARAM>(tab), 0);
        RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Sleep(300);
        char name[32];
        std::snprintf(name, sizeof(name), "\\tab-%02d.bmp", tab);
        report.check(saveScreenshot(frame, folder + name), "rom: screenshot of tab " + std::to_string(tab),
                     folder + name);
    }
}

HWND otherPageDialog(HWND frame)
{
    return selectPage(frame, kOtherTab);
}

// The "終" menu command hides the terminator in every name a page shows from then on; the
// same command shows it again.
void checkTerminatorToggle(Report& report, HWND frame)
{
    sendWithin(frame, WM_COMMAND, kTerminatorCommand, 0);
    HWND dialog = otherPageDialog(frame);
    const std::string hidden = dialog ? comboItem(GetDlgItem(dialog, kClassSelector), 0) : std::string();
    report.check(hidden.rfind("Class00", 0) == 0 && hidden.find("終") == std::string::npos,
                 "rom: command 32773 hides the terminator in the class names", quoted(hidden));
    sendWithin(frame, WM_COMMAND, kTerminatorCommand, 0);
    dialog = otherPageDialog(frame);
    const std::string shown = dialog ? comboItem(GetDlgItem(dialog, kClassSelector), 0) : std::string();
    report.check(shown.rfind("Class00終", 0) == 0, "rom: command 32773 again shows it", quoted(shown));
}

bool editOtherPage(Report& report, HWND frame)
{
    HWND dialog = otherPageDialog(frame);
    if (!report.check(dialog != nullptr, "rom: the Other page's dialog is a child of the tab control"))
        return false;
    const PageDialog page(dialog);
    page.choose(kClassSelector, kEditedClass);
    page.type(kClassNameEdit, "ABC");
    page.click(kStoreClassName);
    const std::string className = comboItem(page.control(kClassSelector), kEditedClass);
    report.check(className == "ABC終　　　　　　", "rom: the class selector lists the new name", quoted(className));

    page.choose(kMoveSelector, kEditedMove);
    page.type(kMoveNameEdit, "あい");
    page.click(kStoreMoveName);
    const std::string moveName = comboItem(page.control(kMoveSelector), kEditedMove);
    report.check(moveName == "あい終　　　　", "rom: the move selector lists the new name", quoted(moveName));

    page.choose(kLeftStarter, kLeftStarterEntry);
    page.click(kStoreStarters);
    return true;
}

// Starts the program, opens the ROM through the open-file dialog and photographs every tab;
// the frame, or null after a failed step.
HWND openAndPhotograph(Report& report, Program& program, const std::string& romPath, const std::string& screenshotFolder)
{
    HWND frame = program.waitForFrame(kStartTimeout);
    if (!report.check(frame != nullptr, "rom: frame TAMBLOR_CALVANTER appears"))
        return nullptr;
    HWND status = GetDlgItem(frame, kStatusBarId);
    if (!report.check(status != nullptr, "rom: the frame has its status bar"))
        return nullptr;
    if (!openThroughDialog(report, frame, romPath))
        return nullptr;
    const std::string readText = waitForText(status, "読み込み完了。", kRomTimeout);
    if (!report.check(readText == "読み込み完了。", "rom: status line after reading", quoted(readText)))
        return nullptr;
    photographTabs(report, frame, screenshotFolder);
    return frame;
}

} // namespace

void showRom(Report& report, const std::string& exe, const std::string& folder, const std::string& romName,
             const std::string& screenshotFolder)
{
    Program program(exe, folder);
    HWND frame = openAndPhotograph(report, program, folder + "\\" + romName, screenshotFolder);
    if (!frame)
        return;
    PostMessageA(frame, WM_CLOSE, 0, 0);
    report.check(program.waitForExit(kExitTimeout), "rom: the program ends after WM_CLOSE");
}

void checkRomSession(Report& report, const std::string& exe, const std::string& folder, const std::string& romName,
                     const std::string& screenshotFolder)
{
    const std::string romPath = folder + "\\" + romName;
    const std::string settings = folder + "\\Setting.ini";
    const Bytes original = readFile(romPath);
    if (!report.check(original.size() > 0xB0, "rom: fixture ROM present", romPath))
        return;
    const std::string code(original.begin() + 0xAC, original.begin() + 0xB0);
    Bytes expected = original;
    const bool offsetsFit = patch(expected, settingOffset(settings, code, "TrainerClasses") + kEditedClass * 11,
                                  kClassNameBytes) &&
                            patch(expected, settingOffset(settings, code, "AttackName") + kEditedMove * 8,
                                  kMoveNameBytes) &&
                            patch(expected, settingOffset(settings, code, "Left"), kLeftStarterBytes);
    if (!report.check(offsetsFit, "rom: Setting.ini gives TrainerClasses, AttackName and Left inside the ROM", code))
        return;

    Program program(exe, folder);
    if (HWND started = program.waitForFrame(kStartTimeout)) {
        HWND saveButton = GetDlgItem(started, kSaveButton);
        report.check(saveButton && !IsWindowEnabled(saveButton), "rom: saving is disabled before a ROM is read");
    }
    HWND frame = openAndPhotograph(report, program, romPath, screenshotFolder);
    if (!frame)
        return;
    HWND saveButton = GetDlgItem(frame, kSaveButton);
    report.check(saveButton && IsWindowEnabled(saveButton), "rom: saving is enabled after the read");
    checkToolButtons(report, frame);
    checkTerminatorToggle(report, frame);
    if (!editOtherPage(report, frame))
        return;

    HWND status = GetDlgItem(frame, kStatusBarId);
    sendWithin(frame, WM_COMMAND, kSaveCommand, 0);
    const std::string saveText = waitForText(status, "保存しました。", kRomTimeout);
    report.check(saveText == "保存しました。", "rom: status line after saving", quoted(saveText));
    // No file handle outlives an action, so the saved file can be read while the program runs.
    const Bytes saved = readFile(romPath);
    report.check(saved == expected, "rom: exactly the edited class name, move name and starter bytes changed",
                 saved == expected ? "" : differences(saved, expected));

    checkEggMovePage(report, frame, romPath, screenshotFolder);
    checkMovePage(report, frame, romPath, screenshotFolder);
    checkItemPage(report, frame, romPath, screenshotFolder);
    checkTypeChartPage(report, frame, romPath, screenshotFolder);
    checkTradePage(report, frame, romPath, screenshotFolder);

    checkMonsterPage(report, frame, romPath, screenshotFolder);

    checkTrainerPage(report, frame, romPath, screenshotFolder);

    checkImagePage(report, frame, romPath, screenshotFolder);

    checkTextPage(report, frame, romPath, screenshotFolder);

    printTabTimings(frame);

    PostMessageA(frame, WM_CLOSE, 0, 0);
    report.check(program.waitForExit(kExitTimeout), "rom: the program ends after WM_CLOSE");
}
