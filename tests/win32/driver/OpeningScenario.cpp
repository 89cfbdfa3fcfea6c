// Opening a ROM without the file dialog: the command line from another current folder, a file
// dropped on the frame, the recent list; and the keyboard inside a page.
#include "tests/win32/driver/Driver.h"

#include "pages/other/OtherDialog.h"
#include "pages/text/TextDocumentWindow.h"

#include <shlobj.h>

#include <cstring>

namespace {

constexpr int kOtherTab = 9;
constexpr int kTextTab = 6;
constexpr int kMdiClientId = 0x122;
constexpr UINT kRecentFirst = IDM_RECENT_FIRST;
// "my roms ソフト" and "ロム 1.gba" in code page 932: blanks, and a trail byte 0x5C.
const std::string kFolderName = "my roms \x83\x5C\x83\x74\x83\x67";
const std::string kRomName = "\x83\x8D\x83\x80 1.gba";

namespace other = other_dialog;

std::string recentEntry(const std::string& settings, int number)
{
    char value[MAX_PATH] = {};
    GetPrivateProfileStringA("Calvanter", ("Recent" + std::to_string(number)).c_str(), "", value, sizeof(value),
                             settings.c_str());
    return value;
}

bool recentAre(const std::string& settings, const std::string& first, const std::string& second)
{
    return waitUntil(kWriteTimeout,
                     [&] { return recentEntry(settings, 1) == first && recentEntry(settings, 2) == second; });
}

// WM_DROPFILES as the shell posts it. Wine 8 carries no DROPFILES block to another process, so
// the block is written into the program's own memory, where it reads as fixed global memory.
bool dropFile(HWND frame, const std::string& path)
{
    DROPFILES header{};
    header.pFiles = sizeof header;
    std::string block(reinterpret_cast<const char*>(&header), sizeof header);
    block += path;
    block.append(2, '\0');
    DWORD processId = 0;
    GetWindowThreadProcessId(frame, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    if (!process)
        return false;
    void* remote = VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    const bool written = remote && WriteProcessMemory(process, remote, block.data(), block.size(), nullptr);
    CloseHandle(process);
    return written && PostMessageA(frame, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
}

HWND focusOf(HWND frame)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(frame, nullptr), &info) ? info.hwndFocus : nullptr;
}

// The focus is on the control or inside it (the edit of a combo box).
bool hasFocus(HWND frame, HWND control)
{
    return waitUntil(kDialogTimeout, [&] {
        HWND focus = focusOf(frame);
        return focus && (focus == control || IsChild(control, focus));
    });
}

void pressKey(HWND frame, WPARAM key)
{
    HWND target = focusOf(frame);
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

// From the class selector Tab reaches the name edit, then its store button; Enter in the edit
// stores nothing.
void checkTabOrder(Report& report, HWND frame, const std::string& romPath)
{
    HWND dialog = selectPage(frame, kOtherTab);
    if (!report.check(dialog != nullptr, "keys: the Other page shows"))
        return;
    const PageDialog page(dialog);
    sendWithin(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(page.control(other::kClassSelector)), TRUE);
    report.check(hasFocus(frame, page.control(other::kClassSelector)), "keys: the class selector takes the focus");
    for (int id : {other::kClassNameEdit, other::kStoreClassName}) {
        pressKey(frame, VK_TAB);
        report.check(hasFocus(frame, page.control(id)), "keys: Tab moves on to control " + std::to_string(id));
    }
    const Bytes before = readFile(romPath);
    sendWithin(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(page.control(other::kClassNameEdit)), TRUE);
    page.type(other::kClassNameEdit, "XYZ");
    // The posted keys arrive in order: once Tab has moved on, Enter and Esc were handled.
    for (WPARAM key : {VK_RETURN, VK_ESCAPE, VK_TAB})
        pressKey(frame, key);
    report.check(hasFocus(frame, page.control(other::kStoreClassName)) && page.text(other::kClassNameEdit) == "XYZ",
                 "keys: Enter and Esc leave the edit as it was");
    report.check(comboItem(page.control(other::kClassSelector), 0).rfind("Class00", 0) == 0,
                 "keys: Enter stored no class name", quoted(comboItem(page.control(other::kClassSelector), 0)));
    report.check(readFile(romPath) == before, "keys: the ROM file is unchanged");
}

// In a text document Tab goes round the address, Load, Rom Save and the text; from the text
// it moves on instead of typing a tab, and Enter there breaks the line.
void checkDocumentTabOrder(Report& report, HWND frame)
{
    selectPage(frame, kTextTab);
    PageDialog(frame).click(IDM_TEXT_NEW_WINDOW);
    LRESULT active = 0;
    sendWithin(GetDlgItem(frame, kMdiClientId), WM_MDIGETACTIVE, 0, 0, &active);
    const PageDialog document(reinterpret_cast<HWND>(active));
    if (!report.check(document.window() != nullptr, "keys: a text document opens"))
        return;
    HWND address = document.control(text_document::kAddressEdit);
    PostMessageA(address, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(address, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    report.check(hasFocus(frame, address), "keys: the address edit takes the focus");
    for (int id : {text_document::kLoadButton, text_document::kSaveButton, text_document::kTextEdit,
                   text_document::kAddressEdit}) {
        // Enter in the text breaks the line.
        if (id == text_document::kAddressEdit)
            pressKey(frame, VK_RETURN);
        pressKey(frame, VK_TAB);
        report.check(hasFocus(frame, document.control(id)), "keys: Tab in the document moves on to " + std::to_string(id));
    }
    report.check(document.text(text_document::kTextEdit) == "\r\n", "keys: Enter broke the line, Tab typed nothing",
                 quoted(document.text(text_document::kTextEdit)));
}

} // namespace

void checkOpening(Report& report, const std::string& exe, const std::string& folder, const std::string& romName)
{
    const std::string settings = folder + "\\Setting.ini";
    const std::string romFolder = folder + "\\" + kFolderName;
    const std::string startIn = folder + "\\elsewhere";
    const std::string romPath = romFolder + "\\" + kRomName;
    const std::string dropped = romFolder + "\\dropped.gba";
    CreateDirectoryA(romFolder.c_str(), nullptr);
    CreateDirectoryA(startIn.c_str(), nullptr);
    // The ROMs of earlier scenarios leave the list.
    for (int number = 1; number <= 4; ++number)
        WritePrivateProfileStringA("Calvanter", ("Recent" + std::to_string(number)).c_str(), nullptr, settings.c_str());
    const std::string source = folder + "\\" + romName;
    if (!report.check(CopyFileA(source.c_str(), romPath.c_str(), FALSE) &&
                          CopyFileA(source.c_str(), dropped.c_str(), FALSE),
                      "open: the ROM copied under a name with blanks and Japanese", quoted(romPath)))
        return;

    Program program(exe, folder, "\"" + romPath + "\"", startIn);
    HWND frame = program.waitForFrame(kStartTimeout);
    if (!report.check(frame != nullptr, "open: frame TAMBLOR_CALVANTER appears"))
        return;
    HWND status = GetDlgItem(frame, kStatusBarId);
    report.text(waitForText(status, "読み込み完了。", kWriteTimeout), "読み込み完了。",
                "open: the ROM on the command line reads at start");
    HWND dialog = selectPage(frame, kOtherTab);
    report.text(dialog ? comboItem(GetDlgItem(dialog, other::kClassSelector), 0) : "", "Class00",
                "open: its tables show", true);
    report.check(recentAre(settings, romPath, ""), "open: Recent1 names it");

    report.check(dropFile(frame, dropped), "open: a file dropped on the frame");
    report.check(recentAre(settings, dropped, romPath), "open: a dropped file opens and leads the recent list");
    report.text(waitForText(status, "読み込み完了。", kWriteTimeout), "読み込み完了。", "open: the dropped ROM reads");

    PostMessageA(frame, WM_COMMAND, kRecentFirst + 1, 0);
    report.check(recentAre(settings, romPath, dropped), "open: the second recent entry opens and moves up");
    DeleteFileA(dropped.c_str());
    PostMessageA(frame, WM_COMMAND, kRecentFirst + 1, 0);
    HWND box = waitForProgramWindow(frame, "#32770", "Error");
    if (report.check(box != nullptr, "open: a missing recent ROM is named in a message box")) {
        pressButton(box, IDOK);
        report.check(waitUntil(kDialogTimeout, [&] { return !IsWindow(box); }), "open: OK closes the message");
    }
    report.check(recentAre(settings, romPath, ""), "open: the missing ROM left the list");

    checkTabOrder(report, frame, romPath);
    checkDocumentTabOrder(report, frame);
    PostMessageA(frame, WM_CLOSE, 0, 0);
    report.check(program.waitForExit(kExitTimeout), "open: the program ends after WM_CLOSE");
    report.check(GetFileAttributesA((startIn + "\\Setting.ini").c_str()) == INVALID_FILE_ATTRIBUTES,
                 "open: no Setting.ini written in the current folder");
}
