#include "tests/win32/driver/Driver.h"

#include "tools/console/Utf8.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

constexpr const char* kFrameClass = "TAMBLOR_CALVANTER";
constexpr DWORD kTerminateTimeout = 10000;
constexpr DWORD kRetryInterval = 3000;
constexpr int kTabControlId = 0x121;
constexpr std::uint32_t kColourBits = 0x00FFFFFF;

bool hasClass(HWND window, const char* className)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return lstrcmpiA(name, className) == 0;
}

struct Search {
    const char* className;
    DWORD processId;
    HWND owner;
    HWND found;
};

BOOL CALLBACK matchTopLevel(HWND window, LPARAM lParam)
{
    auto& search = *reinterpret_cast<Search*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const bool processMatches = search.processId == 0 || processId == search.processId;
    const bool ownerMatches = search.owner == nullptr || GetWindow(window, GW_OWNER) == search.owner;
    if (processMatches && ownerMatches && hasClass(window, search.className)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND findDescendant(HWND parent, const char* className)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (hasClass(child, className))
            return child;
        if (HWND below = findDescendant(child, className))
            return below;
    }
    return nullptr;
}

std::string itemText(HWND control, UINT lengthMessage, UINT textMessage, int index)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(control, lengthMessage, static_cast<WPARAM>(index), 0, SMTO_ABORTIFHUNG, kMessageTimeout,
                             &length) ||
        static_cast<LRESULT>(length) < 0)
        return {};
    std::vector<wchar_t> wide(length + 1);
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(control, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()),
                        SMTO_ABORTIFHUNG, kMessageTimeout, &copied);
    const int wideLength = static_cast<int>(std::min<DWORD_PTR>(copied, length));
    const int size = WideCharToMultiByte(932, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(932, 0, wide.data(), wideLength, text.data(), size, nullptr, nullptr);
    return text;
}

int answer(HWND control, UINT message, int failed)
{
    LRESULT result = failed;
    return sendWithin(control, message, 0, 0, &result) ? static_cast<int>(result) : failed;
}

// The file name field: an edit inside combo box cmb13 in the newer layout, edit edt1 in the
// older one (hidden in the newer). Null until the dialog has made its controls.
HWND fileNameField(HWND dialog)
{
    HWND combo = GetDlgItem(dialog, 0x47C);
    if (combo && IsWindowVisible(combo))
        return findDescendant(combo, "Edit");
    HWND edit = GetDlgItem(dialog, 0x480);
    return edit && IsWindowVisible(edit) ? edit : nullptr;
}

// The screen's pixels in the rectangle, through a 32-bit top-down copy; from the screen,
// since another process's window cannot be made to paint into the driver's device context
// under Wine.
Pixels screenPixels(const RECT& rect)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return {};
    Pixels pixels{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    BITMAPINFO rows{};
    rows.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &rows, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool copied = false;
    if (bitmap) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        copied = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
        GdiFlush();
        SelectObject(memory, previous);
        if (copied)
            std::copy_n(static_cast<const std::uint32_t*>(bits), pixels.rows.size(), pixels.rows.begin());
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!copied)
        return {};
    for (std::uint32_t& pixel : pixels.rows)
        pixel &= kColourBits;
    return pixels;
}

std::string sizeText(int width, int height)
{
    return std::to_string(width) + "x" + std::to_string(height);
}

std::string differences(const Bytes& actual, const Bytes& expected)
{
    if (actual.size() != expected.size())
        return "size " + std::to_string(actual.size()) + ", expected " + std::to_string(expected.size());
    std::string text;
    int shown = 0;
    for (std::size_t i = 0; i < actual.size() && shown < 8; ++i) {
        if (actual[i] != expected[i]) {
            char line[64];
            std::snprintf(line, sizeof(line), "%s0x%zX: %02X, expected %02X", shown ? "; " : "", i, actual[i],
                          expected[i]);
            text += line;
            ++shown;
        }
    }
    return text;
}

} // namespace

bool Report::check(bool ok, const std::string& what, const std::string& detail)
{
    std::printf("%s: %s%s%s\n", ok ? "PASS" : "FAIL", what.c_str(), detail.empty() ? "" : ": ", detail.c_str());
    std::fflush(stdout);
    if (!ok)
        ++m_failures;
    return ok;
}

bool Report::text(const std::string& actual, const std::string& expected, const std::string& what, bool prefix)
{
    return check(prefix ? actual.rfind(expected, 0) == 0 : actual == expected, what, quoted(actual));
}

Program::Program(const std::string& exe, const std::string& folder, const std::string& arguments,
                 const std::string& startIn)
{
    // A program already in its folder (the demo) runs where it is.
    const std::string copy = folder + "\\Calvanter.exe";
    if (lstrcmpiA(exe.c_str(), copy.c_str()) != 0 && !CopyFileA(exe.c_str(), copy.c_str(), FALSE))
        return;
    std::string commandLine = "\"" + copy + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessA(copy.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, (startIn.empty() ? folder : startIn).c_str(), &startup,
                        &m_process))
        m_process = {};
}

Program::~Program()
{
    if (!started())
        return;
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, kTerminateTimeout);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

HWND Program::waitForFrame(DWORD milliseconds)
{
    if (!started())
        return nullptr;
    // A program that ended before showing its frame fails at once.
    const ULONGLONG end = GetTickCount64() + milliseconds;
    HWND frame = nullptr;
    while (!frame && GetTickCount64() < end && WaitForSingleObject(m_process.hProcess, 100) == WAIT_TIMEOUT) {
        frame = findTopLevelWindow(kFrameClass, m_process.dwProcessId);
        if (frame && !IsWindowVisible(frame))
            frame = nullptr;
    }
    return frame;
}

bool Program::waitForExit(DWORD milliseconds)
{
    return started() && WaitForSingleObject(m_process.hProcess, milliseconds) == WAIT_OBJECT_0;
}

DWORD Program::exitCode() const
{
    DWORD code = STILL_ACTIVE;
    if (started())
        GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

bool waitUntil(DWORD milliseconds, const std::function<bool()>& done)
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        if (done())
            return true;
        if (GetTickCount64() >= end)
            return false;
        Sleep(100);
    }
}

HWND waitForWindow(DWORD milliseconds, const std::function<HWND()>& find)
{
    HWND window = nullptr;
    waitUntil(milliseconds, [&] { return (window = find()) != nullptr; });
    return window;
}

HWND findTopLevelWindow(const char* className, DWORD processId, HWND owner)
{
    Search search{className, processId, owner, nullptr};
    EnumWindows(matchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND waitForProgramWindow(HWND frame, const char* className, const std::string& title, DWORD milliseconds)
{
    DWORD process = 0;
    GetWindowThreadProcessId(frame, &process);
    return waitForWindow(milliseconds, [&] {
        HWND found = findTopLevelWindow(className, process);
        const bool shown = found && IsWindowVisible(found) && (title.empty() || windowText(found) == title);
        return shown ? found : nullptr;
    });
}

bool sendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    DWORD_PTR answer = 0;
    const bool answered =
        SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageTimeout, &answer) != 0;
    if (result)
        *result = static_cast<LRESULT>(answer);
    return answered;
}

std::string windowText(HWND window)
{
    LRESULT length = 0;
    if (!sendWithin(window, WM_GETTEXTLENGTH, 0, 0, &length) || length <= 0)
        return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    LRESULT copied = 0;
    if (!sendWithin(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), &copied))
        return {};
    return std::string(buffer.data(), static_cast<std::size_t>(copied));
}

std::string waitForText(HWND window, const std::string& expected, DWORD milliseconds)
{
    std::string text;
    waitUntil(milliseconds, [&] { return (text = windowText(window)) == expected; });
    return text;
}

void pressButton(HWND box, int id)
{
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

void PageDialog::choose(int comboId, int entry) const
{
    sendWithin(control(comboId), CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    sendWithin(m_dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control(comboId)));
}

void PageDialog::chooseListEntry(int listId, int entry) const
{
    sendWithin(control(listId), LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    sendWithin(m_dialog, WM_COMMAND, MAKEWPARAM(listId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(control(listId)));
}

void PageDialog::type(int editId, const char* text) const
{
    sendWithin(control(editId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void PageDialog::setChecked(int checkBoxId, bool checked) const
{
    sendWithin(control(checkBoxId), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void PageDialog::click(int buttonId) const
{
    sendWithin(control(buttonId), BM_CLICK, 0, 0);
}

void PageDialog::clickLater(int buttonId) const
{
    PostMessageA(control(buttonId), BM_CLICK, 0, 0);
}

std::string comboItem(HWND combo, int index)
{
    return itemText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

std::string listItem(HWND list, int index)
{
    return itemText(list, LB_GETTEXTLEN, LB_GETTEXT, index);
}

int listCount(HWND list)
{
    return answer(list, LB_GETCOUNT, -1);
}

int comboCount(HWND combo)
{
    return answer(combo, CB_GETCOUNT, -1);
}

int comboSelection(HWND combo)
{
    return answer(combo, CB_GETCURSEL, CB_ERR);
}

int listSelection(HWND list)
{
    return answer(list, LB_GETCURSEL, LB_ERR);
}

HWND selectPage(HWND frame, int tab)
{
    sendWithin(frame, kSelectTabMessage, static_cast<WPARAM>(tab), 0);
    HWND tabs = GetDlgItem(frame, kTabControlId);
    return tabs ? FindWindowExA(tabs, nullptr, "#32770", nullptr) : nullptr;
}

HWND waitForFileDialog(HWND frame, DWORD milliseconds, const std::string& title)
{
    return waitForWindow(milliseconds, [&] {
        HWND found = findTopLevelWindow("#32770", 0, frame);
        const bool shown = found && IsWindowVisible(found) && (title.empty() || windowText(found) == title);
        return shown ? found : nullptr;
    });
}

bool chooseFile(HWND dialog, const std::string& path, DWORD milliseconds)
{
    HWND field = waitForWindow(milliseconds, [&] { return fileNameField(dialog); });
    if (!field)
        return false;
    // A dialog still filling its folder view may drop the name or the OK: type and press OK
    // again until it closes.
    return waitUntil(milliseconds, [&] {
        if (!IsWindow(dialog))
            return true;
        if (windowText(field) != path)
            sendWithin(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        pressButton(dialog, IDOK);
        return waitUntil(kRetryInterval, [&] { return !IsWindow(dialog); });
    });
}

bool saveScreenshot(HWND window, const std::string& path)
{
    RECT rect{};
    const Pixels shown = GetWindowRect(window, &rect) ? screenPixels(rect) : Pixels{};
    if (shown.width == 0)
        return false;
    // 24-bit rows, bottom-up as bitmap files keep them.
    const DWORD stride = (static_cast<DWORD>(shown.width) * 3 + 3) & ~3u;
    BITMAPINFOHEADER header{
        sizeof(header), shown.width, shown.height, 1, 24, BI_RGB, stride * shown.height, 0, 0, 0, 0};
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + header.biSizeImage;
    std::string rows(header.biSizeImage, '\0');
    for (int y = 0; y < shown.height; ++y)
        for (int x = 0; x < shown.width; ++x)
            for (int channel = 0; channel < 3; ++channel)
                rows[(shown.height - 1 - y) * stride + x * 3 + channel] =
                    static_cast<char>(shown.at(x, y) >> (8 * channel));
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out << rows;
    return static_cast<bool>(out.flush());
}

Pixels bitmapFile(const std::string& path)
{
    auto* bitmap = static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    BITMAP size{};
    Pixels pixels;
    if (bitmap && GetObjectA(bitmap, sizeof size, &size)) {
        pixels = {size.bmWidth, std::abs(size.bmHeight), {}};
        pixels.rows.resize(static_cast<std::size_t>(pixels.width) * pixels.height);
        BITMAPINFO rows{};
        rows.bmiHeader = {sizeof(BITMAPINFOHEADER), pixels.width, -pixels.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        HDC screen = GetDC(nullptr);
        if (GetDIBits(screen, bitmap, 0, static_cast<UINT>(pixels.height), pixels.rows.data(), &rows, DIB_RGB_COLORS) !=
            pixels.height)
            pixels = {};
        ReleaseDC(nullptr, screen);
        for (std::uint32_t& pixel : pixels.rows)
            pixel &= kColourBits;
    }
    if (bitmap)
        DeleteObject(bitmap);
    return pixels;
}

Pixels topLeft(const Pixels& picture, int width, int height)
{
    Pixels corner{std::min(width, picture.width), std::min(height, picture.height), {}};
    for (int y = 0; y < corner.height; ++y)
        for (int x = 0; x < corner.width; ++x)
            corner.rows.push_back(picture.at(x, y));
    return corner;
}

bool showsOneToOne(Report& report, HWND control, const Pixels& picture, bool framed, const std::string& what)
{
    if (!report.check(IsWindowVisible(control) && picture.width > 0 && picture.height > 0,
                      what + ": shown, and the expected picture known"))
        return false;
    // What the screen shows inside the control's border (its client area).
    RECT inside{};
    POINT origin{0, 0};
    GetClientRect(control, &inside);
    ClientToScreen(control, &origin);
    const Pixels shown = screenPixels({origin.x, origin.y, origin.x + inside.right, origin.y + inside.bottom});
    RECT outer{};
    GetWindowRect(control, &outer);
    const std::string sizes = "inside " + sizeText(shown.width, shown.height) + ", picture " +
                              sizeText(picture.width, picture.height) + ", control " +
                              sizeText(outer.right - outer.left, outer.bottom - outer.top);
    const bool fits = shown.width == picture.width && shown.height == picture.height;
    const bool bordered = outer.right - outer.left > shown.width && outer.bottom - outer.top > shown.height;
    if (!report.check(
            fits && (bordered || !framed),
            what + (framed ? ": inside its frame, exactly the picture's size" : ": exactly the picture's size"), sizes))
        return false;
    int wrong = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            wrong += shown.at(x, y) != picture.at(x, y);
    return report.check(wrong == 0, what + ": every pixel of the picture shows 1:1",
                        std::to_string(wrong) + " pixels differ");
}

Bytes readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool patch(Bytes& rom, long at, const Bytes& bytes)
{
    if (at < 0 || static_cast<std::size_t>(at) + bytes.size() > rom.size())
        return false;
    std::copy(bytes.begin(), bytes.end(), rom.begin() + at);
    return true;
}

std::uint32_t little32(const Bytes& rom, long at)
{
    return static_cast<std::uint32_t>(rom[at] | rom[at + 1] << 8 | rom[at + 2] << 16) |
           static_cast<std::uint32_t>(rom[at + 3]) << 24;
}

Bytes littleBytes(std::uint32_t value, int count)
{
    Bytes bytes;
    for (int i = 0; i < count; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    return bytes;
}

bool freeSpace(const Bytes& rom, long at, long size)
{
    if (at < 2 || static_cast<std::size_t>(at + size) > rom.size())
        return false;
    return std::all_of(rom.begin() + at - 2, rom.begin() + at + size, [](std::uint8_t b) { return b == 0xFF; });
}

std::string quoted(const std::string& cp932)
{
    // Built by appending: g++ 12 warns falsely about operator+ here.
    std::string text = "\"";
    text.append(toUtf8(cp932)).append("\"");
    return text;
}

std::string hexText(long value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%lX", static_cast<unsigned long>(value));
    return text;
}

double medianMilliseconds(int runs, const std::function<void(int run)>& action,
                          const std::function<void(int run)>& prepare)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        if (prepare)
            prepare(run);
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        action(run);
        QueryPerformanceCounter(&end);
        times.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                        static_cast<double>(frequency.QuadPart));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

Session::Session(Report& report, HWND frame, std::string romPath, std::string shots)
    : report(report), frame(frame), romPath(std::move(romPath)), m_shots(std::move(shots))
{
    const Bytes bytes = rom();
    if (bytes.size() >= 0xB0)
        m_code.assign(bytes.begin() + 0xAC, bytes.begin() + 0xB0);
}

long Session::setting(const char* key) const
{
    char value[30] = {};
    GetPrivateProfileStringA(m_code.c_str(), key, "", value, sizeof(value), (folder() + "\\Setting.ini").c_str());
    return value[0] ? std::strtol(value, nullptr, 10) : -1;
}

long Session::table(const char* key, long size) const
{
    const long at = setting(key);
    return at >= 0 && static_cast<std::size_t>(at + size) <= rom().size() ? at : -1;
}

HWND Session::page(int tab, const std::string& tag) const
{
    HWND dialog = selectPage(frame, tab);
    return report.check(dialog != nullptr, tag + ": the page's dialog is a child of the tab control") ? dialog
                                                                                                      : nullptr;
}

bool Session::statusIs(const std::string& expected, const std::string& what, DWORD milliseconds) const
{
    return report.text(waitForText(GetDlgItem(frame, kStatusBarId), expected, milliseconds), expected, what);
}

bool Session::compare(const Bytes& expected, const std::string& what) const
{
    const Bytes saved = rom();
    return report.check(saved == expected, what, saved == expected ? "" : differences(saved, expected));
}

bool Session::saveAndCompare(const Bytes& expected, const std::string& tag, const std::string& what) const
{
    sendWithin(frame, WM_COMMAND, IDM_SAVE_ROM, 0);
    // No file handle outlives an action, so the saved file can be read while the program runs.
    const bool saved = statusIs("保存しました。", tag + ": status line after saving");
    return compare(expected, what) && saved;
}

bool Session::photograph(const std::string& name, HWND window) const
{
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return saveScreenshot(window ? window : frame, m_shots + "\\" + name + ".bmp");
}

HWND Session::openDialog(const PageDialog& page, int button, const std::string& title, const std::string& what) const
{
    page.clickLater(button);
    HWND dialog = waitForProgramWindow(frame, "#32770", title);
    return report.check(dialog != nullptr, what) ? dialog : nullptr;
}

long Session::searchCandidates(const PageDialog& dialog, std::string& first)
{
    dialog.setChecked(relocation_dialog::kCopyOld, true);
    dialog.click(relocation_dialog::kSearch);
    first = listItem(dialog.control(relocation_dialog::kCandidates), 0);
    return std::strtol(first.c_str(), nullptr, 16);
}

void Session::storeRelocation(HWND dialog, const std::string& tag, const std::string& closes) const
{
    PageDialog(dialog).clickLater(relocation_dialog::kStore);
    report.check(waitUntil(kWriteTimeout, [&] { return !IsWindow(dialog); }), closes);
    statusIs("保存しました。", tag + ": status line after relocating");
}

bool Session::answerYes(const std::string& title, DWORD milliseconds, const std::string& tag, const std::string& shows,
                        const std::string& screenshot) const
{
    HWND box = waitForProgramWindow(frame, "#32770", title, milliseconds);
    if (!report.check(box != nullptr, shows))
        return false;
    if (!screenshot.empty())
        saveScreenshot(box, m_shots + "\\" + screenshot + ".bmp");
    pressButton(box, IDYES);
    return report.check(waitUntil(kDialogTimeout, [&] { return !IsWindow(box); }), tag + ": Yes closes the question");
}
