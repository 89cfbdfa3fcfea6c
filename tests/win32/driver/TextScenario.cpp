#include "tests/win32/driver/TextScenario.h"

#include "tests/win32/driver/PageControls.h"
#include "tests/win32/driver/RomBytes.h"
#include "tests/win32/driver/Screenshot.h"
#include "tests/win32/driver/Windows.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kTextTab = 6;
constexpr int kStatusBarId = 1;
constexpr int kMdiClientId = 0x122;
constexpr UINT kOpenTextMessage = 0x8002;
constexpr DWORD kDialogTimeout = 30000;
constexpr DWORD kWriteTimeout = 120000;

// The frame's text buttons.
constexpr int kNewWindow = 0x800E;
constexpr int kTile = 0x8014;

// A document's controls.
constexpr int kAddressEdit = 56151;
constexpr int kLoad = 56153;
constexpr int kRomSave = 56155;
constexpr int kTextEdit = 56156;
constexpr int kTextTop = 16;

// The fixture's texts: "カタカナ!" (five codes) at 0x250010 and "あい" at 0x250000. The first
// becomes "アイ", without the end marker: its two codes and an end byte, within the five
// bytes it had; the old remainder stays behind.
constexpr long kEditedText = 0x250010;
const Bytes kOriginalText = {0x56, 0x60, 0x56, 0x65, 0xAB, 0xFF};
const Bytes kWrittenText = {0x51, 0x52, 0xFF};
constexpr LPARAM kOpenedText = 0x250000;

HWND activeDocument(HWND client)
{
    LRESULT active = 0;
    return sendWithin(client, WM_MDIGETACTIVE, 0, 0, &active) ? reinterpret_cast<HWND>(active) : nullptr;
}

// The "Rom Save" question is a message box of the program's process titled 注意; Yes.
bool answerYes(Report& report, HWND frame)
{
    DWORD process = 0;
    GetWindowThreadProcessId(frame, &process);
    HWND box = waitForWindow(kDialogTimeout, [&] {
        HWND found = findTopLevelWindow("#32770", process);
        return found && IsWindowVisible(found) && windowText(found) == "注意" ? found : nullptr;
    });
    if (!report.check(box != nullptr, "text: Rom Save asks first in a message box"))
        return false;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDYES)));
    return report.check(waitUntil(kDialogTimeout, [&] { return !IsWindow(box); }), "text: Yes closes the question");
}

void loadEditAndSave(Report& report, HWND frame, HWND client, const std::string& romPath, const Bytes& expected)
{
    PageDialog(frame).click(kNewWindow);
    HWND document = activeDocument(client);
    char className[32] = {};
    GetClassNameA(document, className, sizeof className);
    if (!report.check(document && std::string(className) == "TamblorTextDoc",
                      "text: the new-window button opens a TamblorTextDoc window", className))
        return;
    const std::string fresh = windowText(document);
    report.check(fresh == "Tamblor Text Editor DocNo:1 [新規]", "text: the new document's caption", quoted(fresh));

    const PageDialog page(document);
    HWND status = GetDlgItem(frame, kStatusBarId);
    page.type(kAddressEdit, "250010");
    page.click(kLoad);
    const std::string loaded = windowText(page.control(kTextEdit));
    report.check(loaded == "カタカナ!終", "text: Load shows the text and its end marker", quoted(loaded));
    const std::string caption = windowText(document);
    report.check(caption == "Tamblor Text Editor DocNo:1 [0x250010] 書き込み許可バイト数:5",
                 "text: the caption gives the address and the allowed bytes", quoted(caption));
    const std::string readText = windowText(status);
    report.check(readText == "読み込み完了。", "text: status line after Load", quoted(readText));

    page.type(kTextEdit, "アイ");
    page.clickLater(kRomSave);
    if (!answerYes(report, frame))
        return;
    const bool captionKept = waitUntil(kWriteTimeout, [&] { return windowText(document) == caption; });
    report.check(captionKept, "text: after Rom Save the caption gives the same address and bytes");
    compareFile(report, romPath, expected, "text: Rom Save wrote the two codes, 0x00 and an end byte, nothing else");
}

void openAtAddress(Report& report, HWND frame, HWND client)
{
    sendWithin(frame, kOpenTextMessage, 0, kOpenedText);
    HWND document = activeDocument(client);
    if (!report.check(document != nullptr, "text: message 0x8002 opens a document"))
        return;
    const PageDialog page(document);
    const std::string address = windowText(page.control(kAddressEdit));
    report.check(address == "250000", "text: 0x8002 types the address in hexadecimal", quoted(address));
    const std::string loaded = windowText(page.control(kTextEdit));
    report.check(loaded == "あい終", "text: 0x8002 loads the text there", quoted(loaded));
    const std::string caption = windowText(document);
    report.check(caption == "Tamblor Text Editor DocNo:2 [0x250000] 書き込み許可バイト数:2",
                 "text: the second document's caption", quoted(caption));
}

// A maximised document fills the client with its text edit, and the MDI's own handling puts
// its caption into the frame's; restored, the frame has its own caption again.
void maximiseAndRestore(Report& report, HWND frame, HWND client)
{
    HWND document = activeDocument(client);
    const std::string frameCaption = windowText(frame);
    sendWithin(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(document), 0);
    RECT area{};
    GetClientRect(document, &area);
    RECT edit{};
    GetWindowRect(GetDlgItem(document, kTextEdit), &edit);
    report.check(edit.right - edit.left == area.right && edit.bottom - edit.top == area.bottom - kTextTop,
                 "text: a maximised document's text edit takes its whole area below the top row");
    const std::string maximised = windowText(frame);
    std::string named = "[";
    named += windowText(document);
    named += "]";
    report.check(maximised.find(named) != std::string::npos,
                 "text: the frame's caption names the maximised document", quoted(maximised));
    sendWithin(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(document), 0);
    const std::string restored = windowText(frame);
    report.check(restored == frameCaption, "text: restored, the frame has its own caption", quoted(restored));
}

} // namespace

void checkTextPage(Report& report, HWND frame, const std::string& romPath, const std::string& screenshotFolder)
{
    const Bytes rom = readFile(romPath);
    const bool fixtureText = rom.size() > static_cast<std::size_t>(kEditedText) + kOriginalText.size() &&
                             std::equal(kOriginalText.begin(), kOriginalText.end(), rom.begin() + kEditedText);
    if (!report.check(fixtureText, "text: the fixture's text of five codes at 0x250010"))
        return;
    selectPage(frame, kTextTab);
    HWND client = GetDlgItem(frame, kMdiClientId);
    if (!report.check(client && IsWindowVisible(client), "text: the page shows its MDI client"))
        return;

    Bytes expected = rom;
    patch(expected, kEditedText, kWrittenText);
    loadEditAndSave(report, frame, client, romPath, expected);
    openAtAddress(report, frame, client);
    maximiseAndRestore(report, frame, client);

    PageDialog(frame).click(kTile);
    SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    saveScreenshot(frame, screenshotFolder + "\\text-documents.bmp");

    // Another tab hides the documents; back on this one they are all there.
    selectPage(frame, 0);
    report.check(!IsWindowVisible(client), "text: another tab hides the MDI client");
    selectPage(frame, kTextTab);
    HWND first = FindWindowExA(client, nullptr, "TamblorTextDoc", nullptr);
    HWND second = first ? FindWindowExA(client, first, "TamblorTextDoc", nullptr) : nullptr;
    report.check(IsWindowVisible(client) && first && second, "text: back on the tab, both documents are there");
    compareFile(report, romPath, expected, "text: loading through 0x8002 and switching tabs wrote nothing");
}
