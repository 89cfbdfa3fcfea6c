#pragma once

// The end-to-end driver's tools: a report of PASS and FAIL lines, Calvanter.exe run in a
// scratch folder, the windows of another process and the user's hand on them, the screen's
// pixels and the ROM file's bytes; and the scenarios that use them.

#include "core/relocation/RelocationDialog.h"
#include "res/resource.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

constexpr DWORD kMessageTimeout = 60000;
constexpr DWORD kStartTimeout = 60000;
constexpr DWORD kDialogTimeout = 30000;
constexpr DWORD kWriteTimeout = 120000;
constexpr DWORD kExitTimeout = 30000;

// The frame's controls and messages.
constexpr int kStatusBarId = 1;
constexpr int kSaveButton = 0x8006;
constexpr UINT kSelectTabMessage = 0x8000;
constexpr int kTabCount = 10;

constexpr std::uint32_t kCartridgeBase = 0x08000000;

// PASS and FAIL lines on standard output; the driver's exit code says whether any failed.
class Report {
public:
    // Prints the line and returns ok, so that a scenario can stop at a failed step.
    bool check(bool ok, const std::string& what, const std::string& detail = {});
    // Checks a code page 932 text, or (with prefix) its start, showing the text.
    bool text(const std::string& actual, const std::string& expected, const std::string& what, bool prefix = false);
    int failures() const { return m_failures; }

private:
    int m_failures = 0;
};

// Calvanter.exe copied into a scratch folder (unless it is there already) and started there, as
// a user runs it: its program directory is the current folder. Never left running: the
// destructor ends it.
class Program {
public:
    // The arguments follow the program's name on its command line; a current folder other than
    // its own is given as startIn.
    Program(const std::string& exe, const std::string& folder, const std::string& arguments = {},
            const std::string& startIn = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool started() const { return m_process.hProcess != nullptr; }
    // The visible frame; null when the time is up or the program ended first.
    HWND waitForFrame(DWORD milliseconds);
    bool waitForExit(DWORD milliseconds);
    DWORD exitCode() const;

private:
    PROCESS_INFORMATION m_process{};
};

// Polls done until it holds or the time is up; returns whether it held.
bool waitUntil(DWORD milliseconds, const std::function<bool()>& done);
// Polls find until it returns a window or the time is up.
HWND waitForWindow(DWORD milliseconds, const std::function<HWND()>& find);
// A top-level window of the class that belongs to the process (any process for 0), or whose
// owner is owner.
HWND findTopLevelWindow(const char* className, DWORD processId, HWND owner = nullptr);
// A visible top-level window of the class in the frame's process, with the title unless it
// is empty, once it shows.
HWND waitForProgramWindow(HWND frame, const char* className, const std::string& title,
                          DWORD milliseconds = kDialogTimeout);
// WM_GETTEXT through the system's marshalling; a status bar answers with its part 0.
std::string windowText(HWND window);
// Polls the window's text until it equals expected; returns the last text seen.
std::string waitForText(HWND window, const std::string& expected, DWORD milliseconds);
// SendMessage with a time limit, so that a hung program cannot hang the driver.
bool sendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr);
// Presses a button of a message box or dialog of the program as a click would.
void pressButton(HWND box, int id);

// What a user does to the controls of a dialog in the program; the notifications reach the
// dialog as the system would send them.
class PageDialog {
public:
    explicit PageDialog(HWND dialog) : m_dialog(dialog) {}
    HWND window() const { return m_dialog; }
    HWND control(int id) const { return GetDlgItem(m_dialog, id); }
    std::string text(int id) const { return windowText(control(id)); }
    void choose(int comboId, int entry) const;
    void chooseListEntry(int listId, int entry) const;
    void type(int editId, const char* text) const;
    void setChecked(int checkBoxId, bool checked) const;
    // Waits for the click to be handled.
    void click(int buttonId) const;
    // Returns at once: for a button that opens a modal dialog.
    void clickLater(int buttonId) const;

private:
    HWND m_dialog;
};

// The texts of combo box and list box items, asked in UTF-16 and turned into code page 932
// here: Wine carries the ANSI item texts across processes as UTF-16 and cuts them.
std::string comboItem(HWND combo, int index);
std::string listItem(HWND list, int index);
int listCount(HWND list);
int comboCount(HWND combo);
// CB_ERR when nothing is selected.
int comboSelection(HWND combo);
int listSelection(HWND list);
// Selects a tab through the frame's message 0x8000 and returns its page dialog.
HWND selectPage(HWND frame, int tab);

// The visible file dialog owned by the frame, once it shows (and has the title, when one is
// given); null when none shows in time.
HWND waitForFileDialog(HWND frame, DWORD milliseconds, const std::string& title = {});
// Types the path into the dialog's file name field and presses OK until the dialog closes.
bool chooseFile(HWND dialog, const std::string& path, DWORD milliseconds);

// Pixels as rows of 0x00RRGGBB, top row first.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rows;

    std::uint32_t at(int x, int y) const { return rows[static_cast<std::size_t>(y) * width + x]; }
};

// Saves what the screen shows of the window as a 24-bit bitmap file; the window should be on
// top.
bool saveScreenshot(HWND window, const std::string& path);
// A bitmap file's pixels; empty when it cannot be loaded.
Pixels bitmapFile(const std::string& path);
// The top-left width x height pixels, or fewer.
Pixels topLeft(const Pixels& picture, int width, int height);
// Checks that the inside of the control (within its border) is exactly the picture, one
// screen pixel per picture pixel; when framed, that the control has a border around it.
bool showsOneToOne(Report& report, HWND control, const Pixels& picture, bool framed, const std::string& what);

// The ROM file's bytes as the scenarios compare them.
using Bytes = std::vector<std::uint8_t>;

Bytes readFile(const std::string& path);
// Puts bytes at an offset; false when they do not fit.
bool patch(Bytes& rom, long at, const Bytes& bytes);
std::uint32_t little32(const Bytes& rom, long at);
// The value's low count bytes, low byte first.
Bytes littleBytes(std::uint32_t value, int count);
// Whether the size bytes at the offset, and the two before them, are 0xFF.
bool freeSpace(const Bytes& rom, long at, long size);
// Code page 932 text as UTF-8 in quotes, for the report.
std::string quoted(const std::string& cp932);
std::string hexText(long value);
// The median time of the runs of the action, in milliseconds; what prepare does before each
// run is not counted.
double medianMilliseconds(int runs, const std::function<void(int run)>& action,
                          const std::function<void(int run)>& prepare = {});

// What the page scenarios share: a program that has the fixture ROM open, the ROM's path,
// and the folder for screenshots.
class Session {
public:
    Session(Report& report, HWND frame, std::string romPath, std::string shots);

    Report& report;
    const HWND frame;
    const std::string romPath;

    std::string folder() const { return romPath.substr(0, romPath.find_last_of('\\')); }
    const std::string& gameCode() const { return m_code; }
    Bytes rom() const { return readFile(romPath); }
    // A decimal offset of the game's section of Setting.ini; -1 when missing.
    long setting(const char* key) const;
    // The same when size bytes from there lie inside the ROM; -1 otherwise.
    long table(const char* key, long size) const;
    // The tab's page dialog, checked to be there.
    HWND page(int tab, const std::string& tag) const;
    // Waits for the status line to say expected (looks once for 0 milliseconds) and checks it.
    bool statusIs(const std::string& expected, const std::string& what, DWORD milliseconds = kWriteTimeout) const;
    // Checks that the ROM file holds exactly the expected bytes, naming the first differences.
    bool compare(const Bytes& expected, const std::string& what) const;
    // Saves through the menu command, checks the status line, then the file.
    bool saveAndCompare(const Bytes& expected, const std::string& tag, const std::string& what) const;
    // Redraws the frame and saves its screenshot under the name.
    bool photograph(const std::string& name, HWND window = nullptr) const;
    // Presses the button that opens the program's dialog with the title and checks it shows.
    HWND openDialog(const PageDialog& page, int button, const std::string& title, const std::string& what) const;
    // Ticks "copy the old entries", searches, and gives the first candidate (0 for none).
    static long searchCandidates(const PageDialog& dialog, std::string& first);
    // Presses the relocation dialog's store button; the dialog closes and the ROM is saved.
    void storeRelocation(HWND dialog, const std::string& tag, const std::string& closes) const;
    // Yes to the program's message box with the title; false when it did not show.
    bool answerYes(const std::string& title, DWORD milliseconds, const std::string& tag, const std::string& shows,
                   const std::string& screenshot = {}) const;

private:
    std::string m_shots;
    std::string m_code;
};

// Paths are Windows paths; folders are scratch folders the scenarios may change.

// Without Setting.ini the program starts, closes on WM_CLOSE and leaves its window placement.
void checkPlacement(Report& report, const std::string& exe, const std::string& folder);
// Opens the fixture ROM of the folder through the open-file dialog, photographs every tab,
// edits the Other page through its controls, saves, exits, and compares the ROM's bytes; then
// runs the page scenarios below in the same program.
void checkRomSession(Report& report, const std::string& exe, const std::string& folder, const std::string& romName,
                     const std::string& screenshotFolder);
// The fixture ROM of the folder with its section deleted from Setting.ini: its read fails;
// the table finder's menu command, answered Yes, writes the section, and the ROM then reads
// with every page's controls enabled.
void checkFindSettings(Report& report, const std::string& exe, const std::string& folder, const std::string& romName,
                       const std::string& screenshotFolder);
// Edits a starter of the ROM of the folder and checks the caption's mark; closes the program
// (close box, exit command, WM_CLOSE) and opens the ROM with the edit pending, answering
// Cancel, No and Yes, and checks the file after each.
void checkPendingEdits(Report& report, const std::string& exe, const std::string& folder, const std::string& romName,
                       const std::string& screenshotFolder);
// Started from another folder with a copy of the folder's ROM (its path holding blanks and
// Japanese) on the command line, the program opens it with its own Setting.ini; a file dropped
// on the frame opens, each goes to the recent list, a missing one leaves it when chosen; Tab
// moves through a page, Enter stores nothing.
void checkOpening(Report& report, const std::string& exe, const std::string& folder, const std::string& romName);
// Opens the ROM of the folder, photographs every tab and closes the program without saving.
void showRom(Report& report, const std::string& exe, const std::string& folder, const std::string& romName,
             const std::string& screenshotFolder);

// Each edits its page through the controls, saves and compares the ROM's bytes.
// Egg moves: a move and a monster in the normal mode, a word in the raw mode.
void checkEggMovePage(Session& session);
// A move's record; a move whose type the type list cannot show is stored unchanged.
void checkMovePage(Session& session);
// An item's record; an item whose pocket the pocket list cannot show is stored unchanged.
void checkItemPage(Session& session);
// A trade's gender value, nature, shiny state, parent name, individual value and wanted monster.
void checkTradePage(Session& session);
// A type chart entry; then the chart moved with "RePoint" to the first free-space candidate.
void checkTypeChartPage(Session& session);
// A monster's record and level-up moves, a moved level-up list, TM/HM record and description.
void checkMonsterPage(Session& session);
// A trainer's record and party, the party moved; the pictures shown 1:1.
void checkTrainerPage(Session& session);
// Pictures exported, imported and written in every mode.
void checkImagePage(Session& session);
// A text loaded, edited and written through the text page's documents.
void checkTextPage(Session& session);
