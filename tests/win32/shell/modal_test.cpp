// Modal dialogs, message boxes, file dialogs and the menu through the program's shell; and the
// page cases' test shell, whose modal dialogs are the real templates worked by a script.
#include "app/Win32DialogBinding.h"
#include "app/Win32Shell.h"
#include "res/resource.h"
#include "tests/pages/TestPageHost.h"
#include "tests/pages/TestShell.h"
#include "tests/support/TestFiles.h"
#include "tests/win32/shell/ShellTest.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

std::function<void(HWND)> g_act;

BOOL CALLBACK findBox(HWND window, LPARAM found)
{
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window) || win32_dialog::controlsOf(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void CALLBACK actOnBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findBox, reinterpret_cast<LPARAM>(&box));
    if (box && g_act) {
        KillTimer(nullptr, timer);
        std::exchange(g_act, nullptr)(box);
    }
}

// The file dialog's name box: cmb13, or edt1 in the old style.
HWND fileNameBox(HWND box)
{
    HWND combo = GetDlgItem(box, 0x47C);
    return combo ? combo : GetDlgItem(box, 0x480);
}

// Endings by IDOK (7) and IDCANCEL.
void endOnOkOrCancel(RecordingHandler& handler)
{
    handler.onCommand = [&handler](WPARAM wParam) {
        if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL)
            return 0;
        handler.controls->endDialog(LOWORD(wParam) == IDOK ? 7 : IDCANCEL);
        return 1;
    };
}

class Shell : public ::testing::Test {
protected:
    ~Shell() override { DestroyWindow(frame); }
    HWND frame = CreateWindowExA(0, "STATIC", "shell tests", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                 LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_CALVANTER)),
                                 GetModuleHandleA(nullptr), nullptr);
    Win32Shell shell{GetModuleHandleA(nullptr), frame};
    RecordingHandler handler;
};

} // namespace

void actOnNextBox(std::function<void(HWND box)> act)
{
    g_act = std::move(act);
    SetTimer(nullptr, 0, 10, actOnBox);
}

void press(HWND box, int id)
{
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

std::string windowText(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

TEST_F(Shell, AModalDialogRunsWithItsHandlerAndReturnsTheResultOfEndDialog)
{
    std::string caption;
    handler.onCreated = [&](HWND dialog) {
        caption = handler.controls->caption() + handler.controls->text(IDOK, 10);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
    endOnOkOrCancel(handler);
    EXPECT_EQ(shell.runModalDialog(nullptr, IDD_ABOUTBOX, handler), 7);
    EXPECT_EQ(caption, "バージョン情報OK");
    EXPECT_EQ(handler.destroyed, 1);
    EXPECT_FALSE(IsWindow(handler.created));
    EXPECT_EQ(shell.runModalDialog(nullptr, 31999, handler), -1); // no such template
}

TEST_F(Shell, AMessageBoxIsOwnedByTheFrameAndReturnsTheButtonPressed)
{
    HWND owner = nullptr;
    std::string caption;
    actOnNextBox([&](HWND box) {
        owner = GetWindow(box, GW_OWNER);
        caption = windowText(box);
        press(box, IDNO);
    });
    EXPECT_EQ(shell.messageBox(nullptr, "続けますか", "確認", MessageButtons::YesNo, MessageIcon::Question),
              MessageAnswer::No);
    EXPECT_EQ(owner, frame);
    EXPECT_EQ(caption, "確認");
    actOnNextBox([](HWND box) { press(box, IDYES); });
    EXPECT_EQ(shell.messageBox(frame, "?", "", MessageButtons::YesNo, MessageIcon::Warning), MessageAnswer::Yes);
    actOnNextBox([](HWND box) { press(box, IDOK); });
    EXPECT_EQ(shell.messageBox(nullptr, "!", "", MessageButtons::Ok, MessageIcon::Error), MessageAnswer::Ok);
}

TEST_F(Shell, TheBitmapChooserStartsAtTheLastPathChosenAndCancelKeepsIt)
{
    TempDir dir;
    const std::string picture = dir.file("picture.bmp");
    writeFile(picture, "BM");
    FileChooserRequest request{FileChooserRequest::Mode::Open, {{"Bitmap(*.bmp)", "*.bmp"}}, "bmp", "画像を選択"};
    std::string title;
    actOnNextBox([&](HWND box) {
        title = windowText(box);
        SetWindowTextA(fileNameBox(box), picture.c_str());
        press(box, IDOK);
    });
    EXPECT_EQ(shell.chooseBitmapFile(request), picture);
    EXPECT_EQ(title, request.title);
    for (int i = 0; i < 2; ++i) {
        std::string startedAt;
        actOnNextBox([&](HWND box) {
            startedAt = windowText(fileNameBox(box));
            press(box, IDCANCEL);
        });
        request.mode = FileChooserRequest::Mode::Save;
        EXPECT_EQ(shell.chooseBitmapFile(request), std::nullopt);
        EXPECT_NE(startedAt.find("picture"), std::string::npos) << startedAt;
    }
}

TEST_F(Shell, MenuItemsAreCheckedAndGreyedByCommand)
{
    HMENU menu = GetMenu(frame);
    shell.setMenuItemChecked(IDM_HIDE_TRAINER_BMP, false);
    EXPECT_EQ(GetMenuState(menu, IDM_HIDE_TRAINER_BMP, MF_BYCOMMAND) & MF_CHECKED, 0u);
    shell.setMenuItemEnabled(IDM_SAVE_ROM, false);
    EXPECT_NE(GetMenuState(menu, IDM_SAVE_ROM, MF_BYCOMMAND) & MF_GRAYED, 0u);
    shell.setMenuItemEnabled(IDM_SAVE_ROM, true);
    EXPECT_EQ(GetMenuState(menu, IDM_SAVE_ROM, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

TEST(TestShell, ModalDialogsRunTheirScriptOrAreCancelledAndMessageBoxesAreOnlyRecorded)
{
    CTabSystem tabs;
    auto host = makeTestPageHost(tabs);
    auto shell = makeTestShell(tabs);
    EXPECT_EQ(tabs.shell(), shell.get());
    RecordingHandler handler;
    endOnOkOrCancel(handler);
    std::string caption;
    shell->scriptModal([&](IDialogControls& controls, const ScriptedShell::Command& command) {
        caption = controls.caption();
        EXPECT_TRUE(controls.isVisible(IDOK));
        command(IDOK, BN_CLICKED);
    });
    EXPECT_EQ(shell->runModalDialog(nullptr, IDD_ABOUTBOX, handler), 7);
    EXPECT_EQ(caption, "バージョン情報");
    EXPECT_EQ(shell->runModalDialog(tabs.frame(), IDD_ABOUTBOX, handler), IDCANCEL); // no script
    shell->scriptModal([](IDialogControls& controls, const ScriptedShell::Command&) { controls.setCaption("x"); });
    EXPECT_EQ(shell->runModalDialog(nullptr, IDD_ABOUTBOX, handler), IDCANCEL); // left open
    EXPECT_EQ(shell->modalTemplates(), std::vector<int>(3, IDD_ABOUTBOX));
    EXPECT_EQ(handler.destroyed, 3);

    shell->answerMessages({MessageAnswer::No});
    EXPECT_EQ(shell->messageBox(nullptr, "本当に？", "確認", MessageButtons::YesNo, MessageIcon::Question),
              MessageAnswer::No);
    EXPECT_EQ(shell->messageTexts(), std::vector<std::string>{"本当に？"});
}
