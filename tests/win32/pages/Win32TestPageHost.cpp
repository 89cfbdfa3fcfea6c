// The Windows definitions behind tests/pages/TestPageHost.h: the program's own page host, with
// real dialogs from the templates linked into this test program, inside a tab control on a
// top-level window that is never shown.
#include "tests/pages/TestPageHost.h"

#include "app/Win32DialogBinding.h"
#include "app/Win32PageHost.h"

#include <windows.h>
#include <commctrl.h>

namespace {

constexpr int kTabControlId = 0x121;

class HiddenFrameHost : public Win32PageHost {
public:
    explicit HiddenFrameHost(HWND frame) : Win32PageHost(GetModuleHandleA(nullptr)), m_frame(frame) {}
    ~HiddenFrameHost() override { DestroyWindow(m_frame); }

private:
    HWND m_frame;
};

// WM_COMMAND from the control to its window, as the control sends it.
void command(HWND window, int controlId, int notification)
{
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(controlId, notification),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, controlId)));
}

HWND pageControl(CTabSystem& tabs, int controlId)
{
    return GetDlgItem(static_cast<HWND>(tabs.currentPageWindow()), controlId);
}

HWND createHiddenFrame()
{
    static const bool controlsReady = [] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES | ICC_BAR_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)controlsReady;
    // A plain static window is enough of a frame: nothing reaches it but the tab control's
    // notifications, which the cases send themselves.
    return CreateWindowExA(0, "STATIC", "page dialog tests", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 800, 600,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

} // namespace

std::unique_ptr<IPageHost> makeTestPageHost(CTabSystem& tabs)
{
    HWND frame = createHiddenFrame();
    HWND tabControl = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                                      0, 50, 780, 500, frame, reinterpret_cast<HMENU>(kTabControlId),
                                      GetModuleHandleA(nullptr), nullptr);
    auto host = std::make_unique<HiddenFrameHost>(frame);
    tabs.setPageHost(host.get());
    tabs.setTabControl(tabControl);
    tabs.setFrame(frame);
    return host;
}

void sendCommand(IPageHost&, CTabSystem& tabs, int controlId, int notification)
{
    command(static_cast<HWND>(tabs.currentPageWindow()), controlId, notification);
}

void sendWindowCommand(WindowHandle window, int controlId, int notification)
{
    command(static_cast<HWND>(window), controlId, notification);
}

void closeWindow(WindowHandle window)
{
    SendMessageA(static_cast<HWND>(window), WM_CLOSE, 0, 0);
}

std::intptr_t maximiseWindow(WindowHandle window)
{
    HWND document = static_cast<HWND>(window);
    SendMessageA(GetParent(document), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(document), 0);
    // The size change that maximising sent, once more for its result.
    RECT inside{};
    GetClientRect(document, &inside);
    return SendMessageA(document, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(inside.right, inside.bottom));
}

WindowPlace windowPlace(WindowHandle window)
{
    HWND target = static_cast<HWND>(window);
    HWND parent = GetParent(target);
    RECT outer{};
    RECT inside{};
    RECT parentInside{};
    GetWindowRect(target, &outer);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&outer), 2);
    GetClientRect(target, &inside);
    GetClientRect(parent, &parentInside);
    return {{outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top},
            {0, 0, inside.right, inside.bottom},
            {0, 0, parentInside.right, parentInside.bottom}};
}

IDialogControls* currentControls(IPageHost&, CTabSystem& tabs)
{
    return win32_dialog::controlsOf(static_cast<HWND>(tabs.currentPageWindow()));
}

ControlRect pictureInside(IPageHost&, CTabSystem& tabs, int controlId)
{
    RECT inside{};
    GetClientRect(pageControl(tabs, controlId), &inside);
    return {0, 0, inside.right, inside.bottom};
}

RgbImage shownPicture(IPageHost&, CTabSystem& tabs, int controlId)
{
    auto* bitmap = reinterpret_cast<HBITMAP>(SendMessageA(pageControl(tabs, controlId), STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP shown{};
    if (!bitmap || !GetObjectA(bitmap, sizeof shown, &shown) || shown.bmWidth <= 0 || shown.bmHeight <= 0)
        return {};
    RgbImage image{shown.bmWidth, shown.bmHeight,
                   std::vector<std::uint32_t>(static_cast<std::size_t>(shown.bmWidth) * shown.bmHeight)};
    BITMAPINFO rows{};
    rows.bmiHeader = {sizeof(BITMAPINFOHEADER), shown.bmWidth, -shown.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC screen = GetDC(nullptr);
    const int copied = GetDIBits(screen, bitmap, 0, static_cast<UINT>(shown.bmHeight), image.pixels.data(), &rows,
                                 DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return copied == shown.bmHeight ? image : RgbImage{};
}
