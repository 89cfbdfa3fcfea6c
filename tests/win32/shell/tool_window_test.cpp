// The TM/HM kind of window: a top-level window of its own class, owned by the frame.
#include "app/Win32Shell.h"
#include "tests/win32/shell/ShellTest.h"

#include <gtest/gtest.h>

namespace {

constexpr int kCheckBox = 55580;
constexpr int kButton = 55579;
constexpr int kEdit = 700;
constexpr int kMultiLine = 701;

const ToolWindowSpec kSpec = {"こどもども～",
                              "Skill Machine Window",
                              370,
                              216,
                              {{1, ChildControl::Kind::Static, "技マシン", {0, 0, 70, 25}},
                               {kCheckBox, ChildControl::Kind::CheckBox, "01", {0, 27, 35, 25}},
                               {kButton, ChildControl::Kind::PushButton, "Romへ保存", {268, 0, 100, 25}},
                               {kEdit, ChildControl::Kind::Edit, "edit", {0, 60, 150, 15}},
                               {kMultiLine, ChildControl::Kind::MultiLineEdit, "", {0, 80, 70, 40}}}};

class ToolWindow : public ::testing::Test {
protected:
    ~ToolWindow() override
    {
        window.reset();
        DestroyWindow(frame);
    }
    HWND item(int id) const { return GetDlgItem(static_cast<HWND>(window->handle()), id); }

    HWND frame = CreateWindowExA(0, "STATIC", "frame", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    Win32Shell shell{GetModuleHandleA(nullptr), frame};
    RecordingHandler handler;
    std::unique_ptr<IToolWindow> window = shell.createToolWindow(kSpec, handler);
};

TEST_F(ToolWindow, IsMadeHiddenAndOwnedWithItsControlsAtTheirPixelRectangles)
{
    ASSERT_NE(window, nullptr);
    HWND hwnd = static_cast<HWND>(window->handle());
    EXPECT_EQ(handler.created, hwnd);
    EXPECT_EQ(handler.controls, &window->controls());
    EXPECT_FALSE(window->isShown());
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), frame);
    EXPECT_EQ(windowText(hwnd), "Skill Machine Window");
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right * 1000 + client.bottom, 370216);
    for (const ChildControl& control : kSpec.controls) {
        const ControlRect rect = window->controls().controlRect(control.id);
        EXPECT_EQ((std::vector{rect.x, rect.y, rect.width, rect.height}),
                  (std::vector{control.rect.x, control.rect.y, control.rect.width, control.rect.height}))
            << control.id;
        EXPECT_EQ(window->controls().text(control.id, 64), control.text) << control.id;
    }
    EXPECT_NE(GetWindowLongA(item(kEdit), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    const LONG multiLine = ES_MULTILINE | ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL;
    EXPECT_EQ(GetWindowLongA(item(kMultiLine), GWL_STYLE) & multiLine, multiLine);
    EXPECT_EQ(SendMessageA(item(kEdit), WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
}

TEST_F(ToolWindow, ClosingOnlyHidesItAndClicksReachTheHandler)
{
    ASSERT_NE(window, nullptr);
    HWND hwnd = static_cast<HWND>(window->handle());
    window->show();
    EXPECT_TRUE(window->isShown());
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(window->isShown());
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_FALSE(handler.received(WM_CLOSE));

    SendMessageA(item(kCheckBox), BM_CLICK, 0, 0);
    SendMessageA(item(kButton), BM_CLICK, 0, 0);
    EXPECT_TRUE(window->controls().isChecked(kCheckBox));
    EXPECT_EQ(handler.commands, (std::vector<std::uintptr_t>{MAKEWPARAM(kCheckBox, BN_CLICKED),
                                                             MAKEWPARAM(kButton, BN_CLICKED)}));
    window.reset();
    EXPECT_EQ(handler.destroyed, 1);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(ToolWindow, EachWindowOfTheClassHasItsHandlerAndAllGoWithTheirOwner)
{
    RecordingHandler second;
    auto another = shell.createToolWindow(kSpec, second);
    ASSERT_NE(another, nullptr);
    SendMessageA(GetDlgItem(static_cast<HWND>(another->handle()), kButton), BM_CLICK, 0, 0);
    EXPECT_EQ(second.commands.size(), 1u);
    EXPECT_TRUE(handler.commands.empty());

    DestroyWindow(frame);
    EXPECT_EQ(handler.destroyed + second.destroyed, 2);
    EXPECT_EQ(window->handle(), nullptr);
    another.reset();
    EXPECT_EQ(second.destroyed, 1);
}

} // namespace
