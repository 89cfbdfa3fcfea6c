// The program as a whole: its start and exit, opening and saving a ROM, the frame's tool
// buttons, the Other page, and the table finder's menu command.
#include "tests/win32/driver/Driver.h"

#include "pages/other/OtherDialog.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

constexpr int kOtherTab = 9;
constexpr int kTimingRuns = 11;
const char* const kPlacementKeys[] = {"WindowX", "WindowY", "WindowSizeX", "WindowSizeY", "ShowCmd"};

namespace other = other_dialog;

// The frame's tool buttons, left to right, in one row of this height. Room each side for the
// button's edge and a margin: Wine draws a caption up to a pixel from the edge; a button on
// Windows keeps more, so the check asks for more than Wine needs.
constexpr std::array<int, 7> kToolButtons = {0x8003, 0x8006, 0x800E, 0x8013, 0x8014, 0x8016, 0x8015};
constexpr int kRowHeight = 50;
constexpr int kLabelInset = 4;

// A control of each page that the page enables only with its tables; the text page (tab 6)
// has none.
struct PageControl {
    int tab;
    int id;
    const char* what;
};
constexpr std::array<PageControl, 9> kPageControls = {{
    {0, 1068, "the monster selector"},
    {1, 1133, "the egg move list"},
    {2, 1004, "the trainer list"},
    {3, 1047, "the move selector"},
    {4, 1061, "the item selector"},
    {5, 1045, "the type chart's attacker"},
    {7, 1137, "the image page's show button"},
    {8, 1147, "the trade list"},
    {9, 1001, "the class selector"},
}};

std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string profileValue(const std::string& file, const char* section, const char* key)
{
    char value[30] = {};
    GetPrivateProfileStringA(section, key, "", value, sizeof(value), file.c_str());
    return value;
}

bool isDecimal(const std::string& text)
{
    char* end = nullptr;
    std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0';
}

// The lines the caption takes when it is broken at the width, in the default GUI font of
// this prefix, which the program's buttons use.
int linesAtWidth(const std::string& caption, int width)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    RECT lines{0, 0, width, 0};
    DrawTextA(dc, caption.c_str(), -1, &lines, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight > 0 ? (lines.bottom - lines.top) / metrics.tmHeight : 0;
}

// Every tool button of the frame is wide enough for its caption's lines, in one row.
void checkToolButtons(Report& report, HWND frame)
{
    int previousRight = 0;
    for (int id : kToolButtons) {
        HWND button = GetDlgItem(frame, id);
        const std::string caption = windowText(button);
        RECT place{};
        GetWindowRect(button, &place);
        MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&place), 2);
        const int intended = static_cast<int>(std::count(caption.begin(), caption.end(), '\n')) + 1;
        const int width = place.right - place.left;
        const int shown = linesAtWidth(caption, width - 2 * kLabelInset);
        std::string oneLine = caption;
        std::replace(oneLine.begin(), oneLine.end(), '\n', '/');
        const std::string where =
            quoted(oneLine) + ", " + std::to_string(width) + " wide: " + std::to_string(shown) + " lines";
        report.check(button && shown == intended,
                     "frame: the tool button has room for its caption's lines, whole, with a margin", where);
        report.check(place.top == 0 && place.bottom == kRowHeight && place.left >= previousRight,
                     "frame: the tool button lies in the row, after the one before it", where);
        previousRight = place.right;
    }
}

// Benchmark figures: how long selecting each tab takes, from message 0x8000 until the page is
// drawn, each time from a neighbouring tab so that every run builds the page anew.
void printTabTimings(HWND frame)
{
    for (int tab = 0; tab < kTabCount; ++tab) {
        const double median = medianMilliseconds(
            kTimingRuns,
            [&](int) {
                selectPage(frame, tab);
                RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
                sendWithin(frame, WM_NULL, 0, 0);
            },
            [&](int) { selectPage(frame, tab == 0 ? 1 : tab - 1); });
        std::printf("bench: selecting tab %d takes %.1f ms (median of %d)\n", tab, median, kTimingRuns);
    }
    std::fflush(stdout);
}

// Starts the program, opens the ROM through the open-file dialog and photographs every tab;
// the frame, or null after a failed step.
HWND openAndPhotograph(Report& report, Program& program, const std::string& romPath, const std::string& shots)
{
    HWND frame = program.waitForFrame(kStartTimeout);
    if (!report.check(frame != nullptr, "rom: frame TAMBLOR_CALVANTER appears"))
        return nullptr;
    HWND status = GetDlgItem(frame, kStatusBarId);
    if (!report.check(status != nullptr, "rom: the frame has its status bar"))
        return nullptr;
    PostMessageA(frame, WM_COMMAND, IDM_OPEN_ROM, 0);
    HWND dialog = waitForFileDialog(frame, kDialogTimeout);
    if (!report.check(dialog != nullptr, "rom: command 32771 shows the open-file dialog") ||
        !report.check(chooseFile(dialog, romPath, kDialogTimeout),
                      "rom: the dialog takes the ROM path and closes on OK", romPath))
        return nullptr;
    if (!report.text(waitForText(status, "読み込み完了。", kWriteTimeout), "読み込み完了。",
                     "rom: status line after reading"))
        return nullptr;
    CreateDirectoryA(shots.c_str(), nullptr);
    SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    for (int tab = 0; tab < kTabCount; ++tab) {
        sendWithin(frame, kSelectTabMessage, static_cast<WPARAM>(tab), 0);
        RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Sleep(300);
        char name[32];
        std::snprintf(name, sizeof(name), "\\tab-%02d.bmp", tab);
        report.check(saveScreenshot(frame, shots + name), "rom: screenshot of tab " + std::to_string(tab),
                     shots + name);
    }
    return frame;
}

// The "終" menu command hides the terminator in every name a page shows from then on; the
// same command shows it again.
void checkTerminatorToggle(Report& report, HWND frame)
{
    const auto firstClass = [&] {
        sendWithin(frame, WM_COMMAND, IDM_SHOW_TERMINATOR, 0);
        HWND dialog = selectPage(frame, kOtherTab);
        return dialog ? comboItem(GetDlgItem(dialog, other::kClassSelector), 0) : std::string();
    };
    const std::string hidden = firstClass();
    report.check(hidden.rfind("Class00", 0) == 0 && hidden.find("終") == std::string::npos,
                 "rom: command 32773 hides the terminator in the class names", quoted(hidden));
    report.text(firstClass(), "Class00終", "rom: command 32773 again shows it", true);
}

// Class 2 named "ABC" (11-byte field), move entry 5 named "あい" (8-byte field; typed as code
// page 932 text, so it also crosses the process boundary in the ANSI code page), monster 4 as
// the left starter.
void editOtherPage(Session& session, const Bytes& original)
{
    Bytes expected = original;
    const bool offsetsFit =
        patch(expected, session.setting("TrainerClasses") + 2 * 11,
              {0xBB, 0xBC, 0xBD, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF}) &&
        patch(expected, session.setting("AttackName") + 5 * 8, {0x01, 0x02, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF}) &&
        patch(expected, session.setting("Left"), {0x04, 0x00});
    if (!session.report.check(offsetsFit, "rom: Setting.ini gives TrainerClasses, AttackName and Left inside the ROM",
                              session.gameCode()))
        return;
    HWND dialog = session.page(kOtherTab, "rom");
    if (!dialog)
        return;
    const PageDialog page(dialog);
    page.choose(other::kClassSelector, 2);
    page.type(other::kClassNameEdit, "ABC");
    page.click(other::kStoreClassName);
    session.report.text(comboItem(page.control(other::kClassSelector), 2), "ABC終　　　　　　",
                        "rom: the class selector lists the new name");
    page.choose(other::kMoveSelector, 5);
    page.type(other::kMoveNameEdit, "あい");
    page.click(other::kStoreMoveName);
    session.report.text(comboItem(page.control(other::kMoveSelector), 5), "あい終　　　　",
                        "rom: the move selector lists the new name");
    page.choose(other::kLeftStarter, 4);
    page.click(other::kStoreStarters);
    session.saveAndCompare(expected, "rom", "rom: exactly the edited class name, move name and starter bytes changed");
}

// Chooses the file through "ROMの読み込み" and its file dialog.
bool openFile(Report& report, HWND frame, const std::string& path, const std::string& what)
{
    PostMessageA(frame, WM_COMMAND, IDM_OPEN_ROM, 0);
    HWND dialog = waitForFileDialog(frame, kDialogTimeout);
    return report.check(dialog && chooseFile(dialog, path, kDialogTimeout), what, path);
}

void closeProgram(Report& report, Program& program, HWND frame, const std::string& what)
{
    PostMessageA(frame, WM_CLOSE, 0, 0);
    report.check(program.waitForExit(kExitTimeout), what);
}

} // namespace

void checkPlacement(Report& report, const std::string& exe, const std::string& folder)
{
    const std::string settings = folder + "\\Setting.ini";
    DeleteFileA(settings.c_str());
    Program program(exe, folder);
    if (!report.check(program.started(), "placement: Calvanter.exe starts", exe))
        return;
    HWND frame = program.waitForFrame(kStartTimeout);
    if (!report.check(frame != nullptr, "placement: frame TAMBLOR_CALVANTER appears"))
        return;
    PostMessageA(frame, WM_CLOSE, 0, 0);
    if (!report.check(program.waitForExit(kExitTimeout), "placement: the program ends after WM_CLOSE"))
        return;
    report.check(program.exitCode() == 0, "placement: exit code 0", std::to_string(program.exitCode()));
    for (const char* key : kPlacementKeys) {
        const std::string value = profileValue(settings, "Calvanter", key);
        report.check(isDecimal(value), std::string("placement: Setting.ini [Calvanter] ") + key,
                     value.empty() ? "missing" : value);
    }
    const std::string showCommand = profileValue(settings, "Calvanter", "ShowCmd");
    report.check(showCommand == "1", "placement: ShowCmd of a normal window is 1", showCommand);
}

void showRom(Report& report, const std::string& exe, const std::string& folder, const std::string& romName,
             const std::string& screenshotFolder)
{
    Program program(exe, folder);
    if (HWND frame = openAndPhotograph(report, program, folder + "\\" + romName, screenshotFolder))
        closeProgram(report, program, frame, "rom: the program ends after WM_CLOSE");
}

void checkRomSession(Report& report, const std::string& exe, const std::string& folder, const std::string& romName,
                     const std::string& screenshotFolder)
{
    const std::string romPath = folder + "\\" + romName;
    const Bytes original = readFile(romPath);
    if (!report.check(original.size() > 0xB0, "rom: fixture ROM present", romPath))
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
    Session session(report, frame, romPath, screenshotFolder);
    editOtherPage(session, original);
    for (void (*scenario)(Session&) :
         {checkEggMovePage, checkMovePage, checkItemPage, checkTypeChartPage, checkTradePage, checkMonsterPage,
          checkTrainerPage, checkImagePage, checkTextPage})
        scenario(session);
    printTabTimings(frame);
    closeProgram(report, program, frame, "rom: the program ends after WM_CLOSE");
}

void checkFindSettings(Report& report, const std::string& exe, const std::string& folder, const std::string& romName,
                       const std::string& screenshotFolder)
{
    const std::string settings = folder + "\\Setting.ini";
    const std::string romPath = folder + "\\" + romName;
    const std::string withoutSection = "[Calvanter]\r\nBackup=0\r\n";
    std::ofstream(settings, std::ios::binary | std::ios::trunc) << withoutSection;
    if (!report.check(fileText(settings) == withoutSection, "find: the ROM's section deleted", settings))
        return;
    Program program(exe, folder);
    HWND frame = program.waitForFrame(kStartTimeout);
    if (!report.check(frame != nullptr, "find: frame TAMBLOR_CALVANTER appears"))
        return;
    HWND status = GetDlgItem(frame, kStatusBarId);
    const std::string shortFile = folder + "\\short.gba";
    std::ofstream(shortFile, std::ios::binary | std::ios::trunc) << std::string(100, 'A');
    const std::string notARom = "GBAのROMではありません。ファイルが100バイトしかなく、カートリッジヘッダー(192バイト)に"
                                "足りません。GBAのROMファイル(*.gba)を開いてください。";
    if (!openFile(report, frame, shortFile, "find: a 100-byte file chosen"))
        return;
    waitUntil(kWriteTimeout, [&] { return windowText(status).rfind(notARom, 0) == 0; });
    report.text(windowText(status), notARom, "find: a 100-byte file is no ROM, says the status line", true);

    if (!openFile(report, frame, romPath, "find: the ROM chosen"))
        return;
    const Bytes rom = readFile(romPath);
    const std::string code = rom.size() > 0xB0 ? std::string(rom.begin() + 0xAC, rom.begin() + 0xB0) : "";
    const std::string noSection = "ゲームコード[" + code + "]の節がSetting.iniにありません。「ファイル」→「ROMの表を"
                                  "探してSetting.iniを作成...」で作り、check_settingsで確かめてください(" + settings +
                                  ")。CTrainer_Edit::DataRead を実行中にエラーが発生しました。設定を読み込めていないか、"
                                  "メモリ確保に失敗しました。";
    report.text(waitForText(status, noSection, kWriteTimeout), noSection,
                "find: without its section the ROM does not read, and the status line says what to do");

    // The open put the ROM on the recent list in Setting.ini.
    const std::string beforeFind = fileText(settings);
    report.check(beforeFind.rfind(withoutSection, 0) == 0, "find: the open kept the rest of Setting.ini");
    const Session session(report, frame, romPath, screenshotFolder);
    session.photograph("find-no-section");
    PostMessageA(frame, WM_COMMAND, IDM_FIND_SETTINGS, 0);
    if (!session.answerYes("Setting.iniの作成", kWriteTimeout, "find",
                           "find: the command shows what it found in a message box", "find-settings"))
        return;
    session.statusIs("読み込み完了。", "find: the ROM reads with the section written");
    const std::string written = fileText(settings);
    report.check(written.find("TrainerData=") != std::string::npos && written.find("Backup=0") != std::string::npos,
                 "find: Setting.ini holds the section and keeps the rest", written.substr(0, 200));
    report.check(fileText(settings + ".bak") == beforeFind, "find: the old Setting.ini kept beside");
    for (const PageControl& control : kPageControls) {
        HWND page = selectPage(frame, control.tab);
        HWND item = page ? GetDlgItem(page, control.id) : nullptr;
        report.check(item && IsWindowEnabled(item), "find: " + std::string(control.what) + " is enabled");
    }
    closeProgram(report, program, frame, "find: the program ends on WM_CLOSE");
}
