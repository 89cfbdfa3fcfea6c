// Edits that wait for saving: the caption names the ROM and marks them; closing the window by
// each way there is, and opening a ROM, ask about them; Cancel, No and Yes do what they say.
#include "tests/win32/driver/Driver.h"

#include "pages/other/OtherDialog.h"

#include <functional>

namespace {

constexpr int kOtherTab = 9;
// A message box's text control.
constexpr int kMessageTextId = 0xFFFF;
const std::string kQuestion = "変更をROMに保存しますか？";

// Starts the program and opens the ROM through the open-file dialog; the frame, or null.
HWND openRom(Report& report, Program& program, const std::string& romPath)
{
    HWND frame = program.waitForFrame(kStartTimeout);
    if (!report.check(frame != nullptr, "pending: frame TAMBLOR_CALVANTER appears"))
        return nullptr;
    PostMessageA(frame, WM_COMMAND, IDM_OPEN_ROM, 0);
    HWND dialog = waitForFileDialog(frame, kDialogTimeout);
    if (!report.check(dialog && chooseFile(dialog, romPath, kDialogTimeout), "pending: the ROM chosen", romPath))
        return nullptr;
    const std::string read = waitForText(GetDlgItem(frame, kStatusBarId), "読み込み完了。", kWriteTimeout);
    return report.text(read, "読み込み完了。", "pending: the ROM reads") ? frame : nullptr;
}

void storeLeftStarter(HWND frame, int monster)
{
    const PageDialog page(selectPage(frame, kOtherTab));
    page.choose(other_dialog::kLeftStarter, monster);
    page.click(other_dialog::kStoreStarters);
}

// Does what leads to the question, checks it, answers it with the button and waits for it
// to close.
bool answer(Report& report, HWND frame, const std::string& title, const std::function<void()>& ask, int button,
            const std::string& what)
{
    ask();
    HWND box = waitForProgramWindow(frame, "#32770", title);
    if (!report.check(box != nullptr, what + ": the question shows"))
        return false;
    report.text(windowText(GetDlgItem(box, kMessageTextId)), kQuestion, what + ": the question's text");
    pressButton(box, button);
    return report.check(waitUntil(kDialogTimeout, [&] { return !IsWindow(box); }), what + ": the answer closes it");
}

} // namespace

void checkPendingEdits(Report& report, const std::string& exe, const std::string& folder, const std::string& romName,
                       const std::string& screenshotFolder)
{
    const std::string romPath = folder + "\\" + romName;
    const std::string named = "tamblor_Calvanter - " + romName;
    const std::string marked = named + " *";
    const Bytes original = readFile(romPath);
    Program program(exe, folder);
    HWND frame = openRom(report, program, romPath);
    if (!frame)
        return;
    report.text(windowText(frame), named, "pending: the caption names the ROM");
    const Session session(report, frame, romPath, screenshotFolder);
    const long left = session.setting("Left");
    if (!report.check(left >= 0 && left + 2 <= static_cast<long>(original.size()), "pending: Setting.ini gives Left"))
        return;
    const int old = original[left] | original[left + 1] << 8;
    const int edit = old == 7 ? 8 : 7;
    Bytes edited = original;
    patch(edited, left, littleBytes(static_cast<std::uint32_t>(edit), 2));

    storeLeftStarter(frame, edit);
    report.text(waitForText(frame, marked, kDialogTimeout), marked, "pending: a store marks the caption");
    session.photograph("pending-caption");
    storeLeftStarter(frame, old);
    report.text(waitForText(frame, named, kDialogTimeout), named, "pending: the old value stored back clears the mark");
    storeLeftStarter(frame, edit);

    // The close box and Alt+F4 close through the system menu's command.
    if (!answer(report, frame, named, [&] { PostMessageA(frame, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL,
                "pending: closing, Cancel"))
        return;
    report.check(!program.waitForExit(1000) && IsWindow(frame), "pending: after Cancel the program is still there");
    session.compare(original, "pending: after Cancel nothing was written");
    report.text(windowText(frame), marked, "pending: after Cancel the edit still waits");

    const auto openAgain = [&] {
        PostMessageA(frame, WM_COMMAND, IDM_OPEN_ROM, 0);
        HWND dialog = waitForFileDialog(frame, kDialogTimeout);
        report.check(dialog && chooseFile(dialog, romPath, kDialogTimeout), "pending: a ROM chosen to open", romPath);
    };
    if (!answer(report, frame, named, openAgain, IDCANCEL, "pending: opening, Cancel"))
        return;
    session.compare(original, "pending: after Cancel the open wrote nothing");
    report.text(windowText(frame), marked, "pending: after Cancel the open keeps the edit");

    if (!answer(report, frame, named, [&] { PostMessageA(frame, WM_COMMAND, IDM_EXIT, 0); }, IDNO,
                "pending: the exit command, No"))
        return;
    report.check(program.waitForExit(kExitTimeout), "pending: after No the program ends");
    session.compare(original, "pending: after No the file is unchanged");

    Program again(exe, folder);
    frame = openRom(report, again, romPath);
    if (!frame)
        return;
    storeLeftStarter(frame, edit);
    report.text(waitForText(frame, marked, kDialogTimeout), marked, "pending: the edit marks the caption again");
    if (!answer(report, frame, named, [&] { PostMessageA(frame, WM_CLOSE, 0, 0); }, IDYES, "pending: WM_CLOSE, Yes"))
        return;
    report.check(again.waitForExit(kExitTimeout), "pending: after Yes the program ends");
    session.compare(edited, "pending: after Yes the file holds the edit");
}
