#include "tests/win32/driver/Driver.h"

#include "pages/text/TextDocumentWindow.h"

#include <algorithm>

namespace {

constexpr int kTextTab = 6;
constexpr int kMdiClientId = 0x122;
constexpr UINT kOpenTextMessage = 0x8002;

namespace doc = text_document;

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

std::string rectText(const RECT& rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " to " + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

void loadEditAndSave(Session& session, HWND client, const Bytes& expected)
{
    Report& report = session.report;
    PageDialog(session.frame).click(IDM_TEXT_NEW_WINDOW);
    HWND document = activeDocument(client);
    char className[32] = {};
    GetClassNameA(document, className, sizeof className);
    if (!report.check(document && std::string(className) == "TamblorTextDoc",
                      "text: the new-window button opens a TamblorTextDoc window", className))
        return;
    report.text(windowText(document), "Tamblor Text Editor DocNo:1 [新規]", "text: the new document's caption");

    const PageDialog page(document);
    page.type(doc::kAddressEdit, "250010");
    page.click(doc::kLoadButton);
    report.text(page.text(doc::kTextEdit), "カタカナ!終", "text: Load shows the text and its end marker");
    const std::string caption = windowText(document);
    report.text(caption, "Tamblor Text Editor DocNo:1 [0x250010] 書き込み許可バイト数:5",
                "text: the caption gives the address and the allowed bytes");
    session.statusIs("読み込み完了。", "text: status line after Load", 0);

    page.type(doc::kTextEdit, "アイ");
    page.clickLater(doc::kSaveButton);
    if (!session.answerYes("注意", kDialogTimeout, "text", "text: Rom Save asks first in a message box"))
        return;
    const bool captionKept = waitUntil(kWriteTimeout, [&] { return windowText(document) == caption; });
    report.check(captionKept, "text: after Rom Save the caption gives the same address and bytes");
    session.compare(expected, "text: Rom Save wrote the two codes, 0x00 and an end byte, nothing else");
}

void openAtAddress(Session& session, HWND client)
{
    Report& report = session.report;
    sendWithin(session.frame, kOpenTextMessage, 0, kOpenedText);
    HWND document = activeDocument(client);
    if (!report.check(document != nullptr, "text: message 0x8002 opens a document"))
        return;
    const PageDialog page(document);
    report.text(page.text(doc::kAddressEdit), "250000", "text: 0x8002 types the address in hexadecimal");
    report.text(page.text(doc::kTextEdit), "あい終", "text: 0x8002 loads the text there");
    report.text(windowText(document), "Tamblor Text Editor DocNo:2 [0x250000] 書き込み許可バイト数:2",
                "text: the second document's caption");
}

// A maximised document lies over the client's whole area, its frame and caption inside it,
// its text edit filling it below the top row; it is not maximised the MDI's own way, which
// would name it in the frame's caption. Restored, it has its former place.
void maximiseAndRestore(Session& session, HWND client)
{
    Report& report = session.report;
    HWND document = activeDocument(client);
    const std::string frameCaption = windowText(session.frame);
    RECT former{};
    GetWindowRect(document, &former);
    sendWithin(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(document), 0);
    RECT clientArea{};
    GetClientRect(client, &clientArea);
    RECT placed{};
    GetWindowRect(document, &placed);
    MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&placed), 2);
    report.check(EqualRect(&placed, &clientArea), "text: a maximised document lies over the client's whole area",
                 rectText(placed) + " in " + rectText(clientArea));
    RECT area{};
    GetClientRect(document, &area);
    RECT edit{};
    GetWindowRect(GetDlgItem(document, doc::kTextEdit), &edit);
    report.check(edit.right - edit.left == area.right && edit.bottom - edit.top == area.bottom - kTextTop,
                 "text: a maximised document's text edit takes its whole area below the top row");
    report.text(windowText(session.frame), frameCaption, "text: the frame keeps its caption");
    session.photograph("text-maximised");
    sendWithin(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(document), 0);
    RECT restored{};
    GetWindowRect(document, &restored);
    report.check(EqualRect(&restored, &former), "text: restored, the document has its former place",
                 rectText(restored) + " for " + rectText(former));
}

} // namespace

void checkTextPage(Session& session)
{
    Report& report = session.report;
    const Bytes rom = session.rom();
    const bool fixtureText = rom.size() > static_cast<std::size_t>(kEditedText) + kOriginalText.size() &&
                             std::equal(kOriginalText.begin(), kOriginalText.end(), rom.begin() + kEditedText);
    if (!report.check(fixtureText, "text: the fixture's text of five codes at 0x250010"))
        return;
    selectPage(session.frame, kTextTab);
    HWND client = GetDlgItem(session.frame, kMdiClientId);
    if (!report.check(client && IsWindowVisible(client), "text: the page shows its MDI client"))
        return;

    Bytes expected = rom;
    patch(expected, kEditedText, kWrittenText);
    loadEditAndSave(session, client, expected);
    openAtAddress(session, client);
    maximiseAndRestore(session, client);

    PageDialog(session.frame).click(IDM_TEXT_TILE);
    SetWindowPos(session.frame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    session.photograph("text-documents");

    // Another tab hides the documents; back on this one they are all there.
    selectPage(session.frame, 0);
    report.check(!IsWindowVisible(client), "text: another tab hides the MDI client");
    selectPage(session.frame, kTextTab);
    HWND first = FindWindowExA(client, nullptr, "TamblorTextDoc", nullptr);
    HWND second = first ? FindWindowExA(client, first, "TamblorTextDoc", nullptr) : nullptr;
    report.check(IsWindowVisible(client) && first && second, "text: back on the tab, both documents are there");
    session.compare(expected, "text: loading through 0x8002 and switching tabs wrote nothing");
}
