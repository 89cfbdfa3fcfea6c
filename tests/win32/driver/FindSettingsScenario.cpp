#include "tests/win32/driver/FileDialog.h"
#include "tests/win32/driver/PageControls.h"
#include "tests/win32/driver/Program.h"
#include "tests/win32/driver/RomBytes.h"
#include "tests/win32/driver/Scenarios.h"
#include "tests/win32/driver/Screenshot.h"
#include "tests/win32/driver/Windows.h"

#include <array>
#include <fstream>
#include <iterator>

namespace {

constexpr DWORD kStartTimeout = 60000;
constexpr DWORD kDialogTimeout = 30000;
constexpr DWORD kRomTimeout = 120000;
constexpr DWORD kExitTimeout = 30000;

constexpr WPARAM kOpenCommand = 32771;
constexpr WPARAM kFindSettingsCommand = 32791;
constexpr int kStatusBarId = 1;
constexpr const char* kQuestionTitle = "Setting.iniの作成";

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

bool writeText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out.flush());
}

// The question is a message box of the program's process; Yes.
bool answerYes(Report& report, HWND frame, const std::string& screenshotFolder)
{
    DWORD process = 0;
    GetWindowThreadProcessId(frame, &process);
    HWND box = waitForWindow(kRomTimeout, [&] {
        HWND found = findTopLevelWindow("#32770", process);
        return found && IsWindowVisible(found) && windowText(found) == kQuestionTitle ? found : nullptr;
    });
    if (!report.check(box != nullptr, "find: the command shows what it found in a message box"))
        return false;
    saveScreenshot(box, screenshotFolder + "\\find-settings.bmp");
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDYES)));
    return report.check(waitUntil(kDialogTimeout, [&] { return !IsWindow(box); }), "find: Yes closes the question");
}

} // namespace

void checkFindSettings(Report& report, const std::string& exe, const std::string& folder, const std::string& romName,
                       const std::string& screenshotFolder)
{
    const std::string settings = folder + "\\Setting.ini";
    const std::string romPath = folder + "\\" + romName;
    if (!report.check(writeText(settings, "[Calvanter]\r\nBackup=0\r\n"), "find: the ROM's section deleted", settings))
        return;

    Program program(exe, folder);
    HWND frame = program.waitForFrame(kStartTimeout);
    if (!report.check(frame != nullptr, "find: frame TAMBLOR_CALVANTER appears"))
        return;
    HWND status = GetDlgItem(frame, kStatusBarId);
    PostMessageA(frame, WM_COMMAND, kOpenCommand, 0);
    HWND dialog = waitForFileDialog(frame, kDialogTimeout);
    if (!report.check(dialog && chooseFile(dialog, romPath, kDialogTimeout), "find: the ROM chosen", romPath))
        return;
    const bool failed = waitUntil(kRomTimeout, [&] { return windowText(status).find("DataRead") != std::string::npos; });
    report.check(failed, "find: without its section the ROM does not read", quoted(windowText(status)));

    PostMessageA(frame, WM_COMMAND, kFindSettingsCommand, 0);
    if (!answerYes(report, frame, screenshotFolder))
        return;
    const std::string readText = waitForText(status, "読み込み完了。", kRomTimeout);
    report.check(readText == "読み込み完了。", "find: the ROM reads with the section written", quoted(readText));
    const std::string written = fileText(settings);
    report.check(written.find("TrainerData=") != std::string::npos && written.find("Backup=0") != std::string::npos,
                 "find: Setting.ini holds the section and keeps the rest", written.substr(0, 200));
    report.check(fileText(settings + ".bak") == "[Calvanter]\r\nBackup=0\r\n", "find: the old Setting.ini kept beside");

    for (const PageControl& control : kPageControls) {
        HWND page = selectPage(frame, control.tab);
        HWND item = page ? GetDlgItem(page, control.id) : nullptr;
        report.check(item && IsWindowEnabled(item), "find: " + std::string(control.what) + " is enabled");
    }
    PostMessageA(frame, WM_CLOSE, 0, 0);
    report.check(program.waitForExit(kExitTimeout), "find: the program ends on WM_CLOSE");
}
