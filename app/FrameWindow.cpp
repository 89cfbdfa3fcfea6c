#include "app/FrameWindow.h"

#include "app/AboutBox.h"
#include "app/GotyaWnd.h"
#include "app/ProgramDirectory.h"
#include "app/RecentMenu.h"
#include "core/ui/ExceptionGuard.h"
#include "app/RomFileDialog.h"
#include "app/StatusWindow.h"
#include "app/Win32DialogBinding.h"
#include "app/Win32MdiClient.h"
#include "app/Win32PageHost.h"
#include "app/Win32Shell.h"
#include "app/WindowPlacement.h"
#include "core/GameSettings.h"
#include "core/PendingEdits.h"
#include "core/TabSystem.h"
#include "core/FolderFiles.h"
#include "core/RecentFiles.h"
#include "core/codec/GameCodec.h"
#include "core/ui/WindowMessages.h"
#include "pages/EditorPages.h"
#include "pages/finder/FindSettingsCommand.h"
#include "res/resource.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <array>
#include <memory>

namespace {

constexpr int kTabControlId = 0x121;
constexpr int kButtonRowHeight = 50;
constexpr int kButtonSize = 50;
// The text buttons start here unless the buttons before them need the room.
constexpr int kTextButtonsLeft = 250;
// Room beside a caption's widest line: the button's edge and the system's margin, each side.
constexpr int kCaptionMargin = 8;
constexpr int kInitialTabWidth = 400;
constexpr int kInitialTabHeight = 450;
constexpr int kTabFontHeight = 12;
constexpr const char* kTabFontFace = "ＭＳ Ｐゴシック";

struct ToolButton {
    int id;
    const char* text;
};
// The open and save buttons are made at their own steps of WM_CREATE.
constexpr ToolButton kOpenButton = {IDM_OPEN_ROM, "ROMの\n読み込み"};
constexpr ToolButton kSaveButton = {IDM_SAVE_ROM, "ROMへ\n保存"};
constexpr std::array<ToolButton, 5> kTextButtons = {{{IDM_TEXT_NEW_WINDOW, "新規\nウインドウ"},
                                                     {IDM_TEXT_CASCADE, "重ねて\n表示"},
                                                     {IDM_TEXT_TILE, "並べて\n表示"},
                                                     {IDM_TEXT_ARRANGE, "アイコンの\n整列"},
                                                     {IDM_TEXT_CLOSE_ALL, "すべて\n閉じる"}}};

// The program's one session and status line, for the whole run. The shell outlives the
// session, whose pages hold windows it made.
std::unique_ptr<Win32Shell> g_shell;
CTabSystem g_tabs;
CStausWnd g_status;
std::unique_ptr<Win32PageHost> g_pageHost;
CGotyaWnd g_tabControl;
CGotyaWnd g_saveButton;
std::array<CGotyaWnd, 1 + kTextButtons.size()> g_toolButtons;
HINSTANCE g_instance = nullptr;
// The caption the program starts with, and the one the frame shows now.
std::string g_programCaption;
std::string g_caption;
// Frame messages being handled (a modal loop inside one keeps it above 0), and whether the
// caption waits for the outermost one to end.
int g_frameDepth = 0;
bool g_captionStale = false;
RecentFiles g_recent;

// The width of the caption's widest line (its lines end at its line breaks) in the button's font.
int captionWidth(HWND button, const char* text)
{
    HDC dc = GetDC(button);
    if (!dc)
        return 0;
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(button, WM_GETFONT, 0, 0)));
    RECT lines{};
    DrawTextA(dc, text, -1, &lines, DT_CALCRECT | DT_NOPREFIX);
    SelectObject(dc, previous);
    ReleaseDC(button, dc);
    return lines.right - lines.left;
}

// A button of the row at x, at least square and as wide as its caption needs; returns its
// right edge.
int createButton(HWND frame, const ToolButton& button, CGotyaWnd& wrapper, int x)
{
    wrapper.window = CreateWindowExA(0, "BUTTON", button.text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_MULTILINE,
                                     x, 0, kButtonSize, kButtonSize, frame,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.id)), g_instance, nullptr);
    if (!wrapper.window)
        return x;
    wrapper.setFont("default", 0);
    const int width = std::max(kButtonSize, captionWidth(wrapper.window, button.text) + 2 * kCaptionMargin);
    SetWindowPos(wrapper.window, nullptr, 0, 0, width, kButtonSize, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return x + width;
}

void enableSaving(bool enabled)
{
    if (g_saveButton.window)
        EnableWindow(g_saveButton.window, enabled);
    g_shell->setMenuItemEnabled(IDM_SAVE_ROM, enabled);
}

// Names the ROM and marks pending edits. Working out what is pending reads the ROM, so it
// is done once, when the outermost frame message that may have changed it is done.
void refreshCaption(HWND frame)
{
    g_captionStale = false;
    const std::string caption =
        frameCaption(g_programCaption, g_tabs.loaded() ? g_tabs.romPath() : std::string(), g_tabs.pendingEdits());
    if (caption != g_caption && SetWindowTextA(frame, caption.c_str()))
        g_caption = caption;
}

void captionMayChange(HWND frame)
{
    g_captionStale = true;
    if (g_frameDepth == 0)
        refreshCaption(frame);
}

// Before the ROM is closed or replaced: asks about pending edits. A second close or open
// while the question shows is refused.
bool mayLeaveRom(HWND frame)
{
    static bool asking = false;
    if (asking)
        return false;
    asking = true;
    struct Asked {
        ~Asked() { asking = false; }
    } asked;
    return settlePendingEdits(g_tabs, *g_shell, frame, frameCaption(g_programCaption, g_tabs.romPath(), false));
}

void closeFrame(HWND frame)
{
    if (mayLeaveRom(frame))
        DestroyWindow(frame);
    else
        captionMayChange(frame);
}

void onCreate(HWND frame)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    int buttonsRight = createButton(frame, kOpenButton, g_toolButtons[0], 0);

    g_status.create(frame, g_instance);
    g_tabs.setStatusLine(&g_status);

    g_tabControl.window = CreateWindowExA(0, WC_TABCONTROLA, "",
                                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP |
                                              TCS_MULTILINE | TCS_HOTTRACK,
                                          0, kButtonRowHeight, kInitialTabWidth, kInitialTabHeight, frame,
                                          reinterpret_cast<HMENU>(kTabControlId), g_instance, nullptr);
    win32_dialog::setStatusLine(&g_status);
    g_pageHost = std::make_unique<Win32PageHost>(g_instance);
    g_tabs.setPageHost(g_pageHost.get());
    g_shell = std::make_unique<Win32Shell>(g_instance, frame);
    g_tabs.setShell(g_shell.get());
    g_tabs.setTabControl(g_tabControl.window);

    buttonsRight = createButton(frame, kSaveButton, g_saveButton, buttonsRight);

    g_tabs.setProgramDirectory(programDirectory());
    g_tabs.setFrame(frame);
    g_recent = RecentFiles::load(settingsPath(g_tabs.programDirectory()));
    showRecentFiles(frame, g_recent.paths());
    DragAcceptFiles(frame, TRUE);

    g_tabs.setSaveEnabledHandler(enableSaving);
    enableSaving(false);
    g_tabs.setPageCommandHandler([frame] { captionMayChange(frame); });

    buttonsRight = std::max(buttonsRight, kTextButtonsLeft);
    for (std::size_t i = 0; i < kTextButtons.size(); ++i)
        buttonsRight = createButton(frame, kTextButtons[i], g_toolButtons[i + 1], buttonsRight);

    SetWindowPos(g_tabControl.window, nullptr, 0, 0, kInitialTabWidth, kInitialTabHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    g_tabControl.setFont(kTabFontFace, kTabFontHeight);

    addEditorPages(g_tabs);
    g_tabs.showFirstPage();
}

void onSize(LPARAM size)
{
    g_status.resize(size);
    if (!g_tabControl.window)
        return;
    const int width = LOWORD(size);
    int height = HIWORD(size) - g_status.height() - kButtonRowHeight;
    if (height == -1) {
        RECT rect{};
        GetWindowRect(g_tabControl.window, &rect);
        height = rect.bottom - rect.top;
    }
    SetWindowPos(g_tabControl.window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    g_tabs.resizeCurrentPage();
}

void onDestroy(HWND frame)
{
    const std::string settings = settingsPath(g_tabs.programDirectory());
    // The window goes away: only a message box is left to say so.
    if (!writeWindowPlacement(settings, frame))
        MessageBoxA(nullptr, ("ウインドウの位置を「" + settings + "」に保存できませんでした。ファイルは元のままです。").c_str(),
                    "Error", MB_OK | MB_ICONWARNING);
    if (CWindowBase* page = g_tabs.currentPage())
        page->Destroy(1);
    g_tabs.releaseAndFreePages();
    PostQuitMessage(0);
}

void toggleTerminatorDisplay()
{
    GameCodec& codec = gameCodec();
    codec.setTerminatorHidden(!codec.terminatorHidden());
    g_shell->setMenuItemChecked(IDM_SHOW_TERMINATOR, !codec.terminatorHidden());
}

void rememberRecent(HWND frame)
{
    g_recent.save(settingsPath(g_tabs.programDirectory()));
    showRecentFiles(frame, g_recent.paths());
}

void openRom(HWND frame)
{
    std::string path = g_tabs.romPath();
    if (chooseRomFile(frame, path))
        openRomFile(frame, path);
}

void openRecent(HWND frame, std::size_t index)
{
    if (index >= g_recent.paths().size())
        return;
    const std::string path = g_recent.paths()[index];
    if (!fileExists(path)) {
        g_recent.remove(path);
        rememberRecent(frame);
        MessageBoxA(frame, ("「" + path + "」が見つかりません。最近使ったROMの一覧から外しました。").c_str(), "Error",
                    MB_OK | MB_ICONWARNING);
        return;
    }
    openRomFile(frame, path);
}

// The first file of a drop; the others are left alone, as only one ROM is open at a time.
void openDroppedFile(HWND frame, HDROP drop)
{
    std::string path(DragQueryFileA(drop, 0, nullptr, 0), '\0');
    const UINT length = path.empty() ? 0 : DragQueryFileA(drop, 0, path.data(), static_cast<UINT>(path.size() + 1));
    DragFinish(drop);
    if (length == path.size() && length > 0)
        openRomFile(frame, path);
}

// The ROM opened last (its read may have failed for want of its section), else one chosen
// now; Setting.ini written for it, the ROM is read again.
void findSettings(HWND frame)
{
    std::string path = g_tabs.romPath();
    if ((path.empty() || !fileExists(path)) && !chooseRomFile(frame, path))
        return;
    if (findAndWriteSettings(*g_shell, g_status, g_tabs.programDirectory(), path))
        openRomFile(frame, path);
}

LRESULT onCommand(HWND frame, WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDM_ABOUT:
        showAboutBox(g_instance, frame);
        return 0;
    case IDM_EXIT:
        closeFrame(frame);
        return 0;
    case IDM_OPEN_ROM:
        openRom(frame);
        return 0;
    case IDM_SHOW_TERMINATOR:
        toggleTerminatorDisplay();
        return 0;
    case IDM_SAVE_ROM:
        // Ctrl+S arrives even while the greyed menu item would refuse it.
        if (g_tabs.canSave())
            g_tabs.RomWrite();
        return 0;
    case IDM_FIND_SETTINGS:
        findSettings(frame);
        return 0;
    }
    if (const WORD id = LOWORD(wParam); id >= IDM_RECENT_FIRST && id < IDM_RECENT_FIRST + RecentFiles::kCapacity) {
        openRecent(frame, id - IDM_RECENT_FIRST);
        return 0;
    }
    if (int result = g_tabs.forwardToCurrentPage(WM_COMMAND, wParam, lParam))
        return result;
    return DefFrameProcA(frame, win32_mdi::frameClient(), WM_COMMAND, wParam, lParam);
}

void selectTab(WPARAM index)
{
    if (index <= static_cast<WPARAM>(INT_MAX))
        g_pageHost->selectTab(g_tabControl.window, static_cast<int>(index));
    g_tabs.switchToSelectedTab();
}

LRESULT handleFrameMessage(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        onCreate(frame);
        return 0;
    case WM_COMMAND:
        captionMayChange(frame);
        return onCommand(frame, wParam, lParam);
    case WM_CLOSE:
        closeFrame(frame);
        return 0;
    case WM_QUERYENDSESSION:
        return mayLeaveRom(frame);
    case window_message::kSelectTab:
        selectTab(wParam);
        return 0;
    case window_message::kSelectListEntry:
    case window_message::kOpenText:
        g_tabs.forwardToCurrentPage(message, wParam, lParam);
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header && header->hwndFrom == g_tabControl.window && header->code == static_cast<UINT>(TCN_SELCHANGE))
            g_tabs.switchToSelectedTab();
        return 0;
    }
    case WM_SIZE:
        onSize(lParam);
        return 0;
    case WM_DROPFILES:
        openDroppedFile(frame, reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(frame, &paint);
        EndPaint(frame, &paint);
        return 0;
    }
    case WM_DESTROY:
        onDestroy(frame);
        return 0;
    }
    return DefFrameProcA(frame, win32_mdi::frameClient(), message, wParam, lParam);
}

} // namespace

// Every way of opening a ROM ends here: the file dialog, the command line, a dropped file, the
// recent list and the re-read after the table finder.
void openRomFile(HWND frame, const std::string& path)
{
    if (!mayLeaveRom(frame))
        return;
    const int read = g_tabs.openRom(path);
    captionMayChange(frame);
    // A file that could not be read or holds no game code is not worth offering again.
    if (read == CTabSystem::kReadNoFile)
        return;
    g_recent.add(path);
    rememberRecent(frame);
}

void frameActionEnded()
{
    g_tabs.actionEnded();
}

LRESULT CALLBACK frameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    ++g_frameDepth;
    const LRESULT result =
        guardedCall<LRESULT>(&g_status, 0, [&] { return handleFrameMessage(frame, message, wParam, lParam); });
    if (--g_frameDepth == 0 && g_captionStale && IsWindow(frame))
        guardedCall<int>(&g_status, 0, [&] {
            refreshCaption(frame);
            return 0;
        });
    return result;
}

HWND createFrame(HINSTANCE instance, const char* className, const char* caption, int showCommand)
{
    g_instance = instance;
    g_programCaption = g_caption = caption;
    HWND frame = CreateWindowExA(0, className, caption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0, CW_USEDEFAULT, 0,
                                 nullptr, nullptr, instance, nullptr);
    if (!frame)
        return nullptr;
    if (auto saved = readWindowPlacement(settingsPath(programDirectory()))) {
        SetWindowPos(frame, nullptr, saved->x, saved->y, saved->width, saved->height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        showCommand = saved->showCommand;
    }
    ShowWindow(frame, showCommand);
    UpdateWindow(frame);
    return frame;
}

void openRomAtStart(HWND frame, const char* commandLine)
{
    const std::string path = romPathFromCommandLine(commandLine ? commandLine : "");
    if (path.empty())
        return;
    // Outside the frame's messages: its guard is needed here too.
    guardedCall<int>(&g_status, 0, [&] {
        openRomFile(frame, path);
        return 0;
    });
    frameActionEnded();
}
