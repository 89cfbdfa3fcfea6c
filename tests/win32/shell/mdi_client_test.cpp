// The text page's MDI client and its documents, in a frame of the test's own with the
// program's menu and a tab control 50 pixels below the top.
#include "app/Win32MdiClient.h"
#include "app/Win32Shell.h"
#include "res/resource.h"
#include "tests/win32/shell/ShellTest.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace {

constexpr int kLoad = 56153;
constexpr int kTextEdit = 56156;
constexpr int kTabTop = 50;

LRESULT CALLBACK testFrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefFrameProcA(frame, win32_mdi::frameClient(), message, wParam, lParam);
}

HWND createTestFrame()
{
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
        WNDCLASSEXA frameClass{};
        frameClass.cbSize = sizeof frameClass;
        frameClass.lpfnWndProc = testFrameProc;
        frameClass.hInstance = GetModuleHandleA(nullptr);
        frameClass.lpszClassName = "CalvanterMdiTestFrame";
        return RegisterClassExA(&frameClass) != 0;
    }();
    (void)registered;
    HWND frame = CreateWindowExA(0, "CalvanterMdiTestFrame", "MDI tests", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr,
                                 LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_CALVANTER)),
                                 GetModuleHandleA(nullptr), nullptr);
    ShowWindow(frame, SW_SHOWNOACTIVATE);
    return frame;
}

class MdiClient : public ::testing::Test {
protected:
    void SetUp() override
    {
        client = shell.createMdiClient({"TamblorTextDoc",
                                        {{1, ChildControl::Kind::Static, "Addr：", {0, 0, 40, 15}},
                                         {kLoad, ChildControl::Kind::PushButton, "Load", {190, 0, 30, 15}},
                                         {kTextEdit, ChildControl::Kind::MultiLineEdit, "", {0, 16, 70, 15}}}});
        ASSERT_NE(client, nullptr);
        client->fitToTabArea(tab);
        client->show();
    }
    ~MdiClient() override
    {
        client.reset();
        DeleteObject(region);
        DestroyWindow(frame);
    }
    HWND clientWindow() const { return static_cast<HWND>(client->handle()); }
    bool tabHasRegion() const { return GetWindowRgn(tab, region) != ERROR; }

    HWND frame = createTestFrame();
    HWND tab = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, kTabTop, 500, 300,
                               frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    Win32Shell shell{GetModuleHandleA(nullptr), frame};
    std::unique_ptr<IMdiClient> client;
    RecordingHandler handlers[3];
};

TEST_F(MdiClient, LiesOverTheTabAreaWhichTheTabControlNoLongerPaints)
{
    EXPECT_EQ(GetParent(clientWindow()), frame);
    EXPECT_EQ(GetDlgCtrlID(clientWindow()), Win32MdiClient::kControlId);
    EXPECT_NE(Win32MdiClient::kControlId, 1); // the status bar's
    EXPECT_EQ(win32_mdi::frameClient(), clientWindow());
    EXPECT_EQ(client->activeDocument(), nullptr);

    RECT display{};
    GetClientRect(tab, &display);
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    RECT placed{};
    GetWindowRect(clientWindow(), &placed);
    MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ((std::vector{placed.left, placed.top, placed.right, placed.bottom}),
              (std::vector{display.left, display.top + kTabTop, display.right, display.bottom + kTabTop}));
    ASSERT_TRUE(tabHasRegion());
    EXPECT_FALSE(PtInRegion(region, (display.left + display.right) / 2, (display.top + display.bottom) / 2));
    EXPECT_TRUE(PtInRegion(region, 2, 2)); // the tabs themselves

    client->hide();
    EXPECT_FALSE(IsWindowVisible(clientWindow()));
    EXPECT_FALSE(tabHasRegion());
    EXPECT_EQ(win32_mdi::frameClient(), nullptr);
}

TEST_F(MdiClient, EachDocumentHasItsOwnHandlerAndControlsAndClosesThroughIt)
{
    HMENU windowMenu = GetSubMenu(GetSubMenu(GetMenu(frame), 1), 2);
    const int menuItems = GetMenuItemCount(windowMenu);
    HWND documents[3] = {};
    for (int i = 0; i < 3; ++i) {
        const std::string caption = "Tamblor Text Editor DocNo:" + std::to_string(i + 1) + " [新規]";
        documents[i] = static_cast<HWND>(client->createDocument(caption, handlers[i]));
        ASSERT_NE(documents[i], nullptr);
        EXPECT_EQ(handlers[i].created, documents[i]);
        EXPECT_EQ(GetParent(documents[i]), clientWindow());
        EXPECT_EQ(windowText(documents[i]), caption);
        EXPECT_EQ(client->activeDocument(), documents[i]);
        ASSERT_EQ(client->documentControls(documents[i]), handlers[i].controls);
        handlers[i].controls->setText(kTextEdit, "本文" + std::to_string(i));
        EXPECT_EQ(handlers[i].controls->controlRect(kLoad).x, 190);
    }
    EXPECT_GT(GetMenuItemCount(windowMenu), menuItems);
    SendMessageA(GetDlgItem(documents[1], kLoad), BM_CLICK, 0, 0);
    EXPECT_EQ(handlers[1].commands, std::vector<std::uintptr_t>{MAKEWPARAM(kLoad, BN_CLICKED)});
    EXPECT_TRUE(handlers[0].commands.empty());

    client->cascade();
    client->tile();
    client->arrangeIcons();
    client->hide();
    client->show();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(client->documentControls(documents[i])->text(kTextEdit, 16), "本文" + std::to_string(i));

    // The close box: the handler sees WM_CLOSE, then the MDI default closes the document.
    SendMessageA(documents[1], WM_CLOSE, 0, 0);
    EXPECT_TRUE(handlers[1].received(WM_CLOSE));
    EXPECT_EQ(handlers[1].destroyed, 1);
    EXPECT_FALSE(IsWindow(documents[1]));
    EXPECT_EQ(client->documentControls(documents[1]), nullptr);
    client->destroyDocument(documents[0]);
    EXPECT_EQ(handlers[0].destroyed, 1);
    EXPECT_EQ(client->activeDocument(), documents[2]);

    client.reset();
    EXPECT_EQ(handlers[2].destroyed, 1);
    EXPECT_FALSE(IsWindow(documents[2]));
    EXPECT_FALSE(tabHasRegion());
}

} // namespace
