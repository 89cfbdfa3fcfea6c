#include "app/Win32MdiClient.h"

#include "app/Win32ChildControls.h"
#include "app/Win32WindowBinding.h"
#include "res/resource.h"

#include <commctrl.h>

namespace {

using win32_binding::Slot;

// What a new document carries through WM_MDICREATE to its first messages.
struct DocumentCreation {
    IWindowHandler& handler;
    HINSTANCE instance;
    const std::vector<ChildControl>& controls;
};

// An MDI child's creation parameter is its MDICREATESTRUCT, which carries ours.
const DocumentCreation* documentCreation(LPARAM createStruct)
{
    const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(createStruct);
    const auto* mdi = static_cast<const MDICREATESTRUCTA*>(creation->lpCreateParams);
    return mdi ? reinterpret_cast<const DocumentCreation*>(mdi->lParam) : nullptr;
}

HWND g_frameClient = nullptr;

HWND hwnd(WindowHandle handle)
{
    return static_cast<HWND>(handle);
}

bool registerDocumentClass(HINSTANCE instance, const std::string& name, WNDPROC procedure)
{
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, name.c_str(), &existing))
        return true;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    // The program's icons; a program without them (a test) gets the system's.
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_CALVANTER));
    windowClass.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(IDI_SMALL));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = name.c_str();
    return RegisterClassExA(&windowClass) != 0;
}

// The window menu: the third entry of the frame menu's second popup; null without one.
HMENU windowMenu(HWND frame)
{
    HMENU settings = GetSubMenu(GetMenu(frame), 1);
    return settings ? GetSubMenu(settings, 2) : nullptr;
}

} // namespace

Win32MdiClient::Win32MdiClient(HINSTANCE instance, HWND frame, const DocumentWindowSpec& documents)
    : m_instance(instance), m_frame(frame), m_className(documents.className), m_documentControls(documents.controls)
{
    if (!registerDocumentClass(instance, m_className, documentProc))
        return;
    CLIENTCREATESTRUCT creation{};
    creation.hWindowMenu = windowMenu(frame);
    creation.idFirstChild = kFirstDocumentId;
    m_client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_VISIBLE, 0,
                               0, 0, 0, frame, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)), instance,
                               &creation);
    if (m_client)
        g_frameClient = m_client;
}

Win32MdiClient::~Win32MdiClient()
{
    if (m_tabControl && IsWindow(m_tabControl))
        SetWindowRgn(m_tabControl, nullptr, TRUE);
    // The documents go with the client, each telling its handler.
    if (m_client && IsWindow(m_client))
        DestroyWindow(m_client);
    if (g_frameClient == m_client)
        g_frameClient = nullptr;
}

void Win32MdiClient::fitToTabArea(WindowHandle tabControl)
{
    HWND tab = hwnd(tabControl);
    if (!m_client || !tab)
        return;
    m_tabControl = tab;
    RECT display{};
    GetClientRect(tab, &display);
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    RECT placed = display;
    MapWindowPoints(tab, GetParent(m_client), reinterpret_cast<POINT*>(&placed), 2);
    MoveWindow(m_client, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top, TRUE);

    // The tab control keeps its whole window but the display area, so it does not paint over
    // the client. Window regions count from the window's own top-left corner.
    RECT outer{};
    GetWindowRect(tab, &outer);
    POINT origin{0, 0};
    ClientToScreen(tab, &origin);
    const int dx = origin.x - outer.left;
    const int dy = origin.y - outer.top;
    HRGN region = CreateRectRgn(0, 0, outer.right - outer.left, outer.bottom - outer.top);
    HRGN area = CreateRectRgn(display.left + dx, display.top + dy, display.right + dx, display.bottom + dy);
    CombineRgn(region, region, area, RGN_XOR);
    DeleteObject(area);
    // The system owns the region from here on.
    if (!SetWindowRgn(tab, region, TRUE))
        DeleteObject(region);
}

void Win32MdiClient::show()
{
    if (m_client)
        ShowWindow(m_client, SW_SHOW);
}

void Win32MdiClient::hide()
{
    if (m_client)
        ShowWindow(m_client, SW_HIDE);
    if (m_tabControl && IsWindow(m_tabControl))
        SetWindowRgn(m_tabControl, nullptr, TRUE);
}

WindowHandle Win32MdiClient::createDocument(std::string_view caption, IWindowHandler& handler)
{
    if (!m_client)
        return nullptr;
    const DocumentCreation document{handler, m_instance, m_documentControls};
    const std::string title(caption);
    MDICREATESTRUCTA creation{};
    creation.szClass = m_className.c_str();
    creation.szTitle = title.c_str();
    creation.hOwner = m_instance;
    creation.x = CW_USEDEFAULT;
    creation.y = CW_USEDEFAULT;
    creation.cx = CW_USEDEFAULT;
    creation.cy = CW_USEDEFAULT;
    creation.style = 0;
    creation.lParam = reinterpret_cast<LPARAM>(&document);
    HWND window = reinterpret_cast<HWND>(SendMessageA(m_client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&creation)));
    if (!window)
        return nullptr;
    RedrawWindow(m_client, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return window;
}

void Win32MdiClient::destroyDocument(WindowHandle document)
{
    if (m_client && document)
        SendMessageA(m_client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
}

IDialogControls* Win32MdiClient::documentControls(WindowHandle document)
{
    HWND window = hwnd(document);
    if (!m_client || !window || !IsWindow(window) || GetParent(window) != m_client)
        return nullptr;
    win32_binding::Binding* binding = win32_binding::bindingOf(window, Slot::Window);
    return binding ? &binding->controls : nullptr;
}

WindowHandle Win32MdiClient::activeDocument() const
{
    return m_client ? reinterpret_cast<HWND>(SendMessageA(m_client, WM_MDIGETACTIVE, 0, 0)) : nullptr;
}

ControlRect Win32MdiClient::fillWithDocument(WindowHandle document)
{
    HWND window = hwnd(document);
    if (!m_client || !window)
        return {};
    RECT area{};
    GetClientRect(m_client, &area);
    MoveWindow(window, 0, 0, area.right, area.bottom, TRUE);
    RECT inside{};
    GetClientRect(window, &inside);
    return {0, 0, inside.right, inside.bottom};
}

void Win32MdiClient::cascade()
{
    if (m_client)
        SendMessageA(m_client, WM_MDICASCADE, 0, 0);
}

void Win32MdiClient::tile()
{
    if (m_client)
        SendMessageA(m_client, WM_MDITILE, 0, 0);
}

void Win32MdiClient::arrangeIcons()
{
    if (m_client)
        SendMessageA(m_client, WM_MDIICONARRANGE, 0, 0);
}

LRESULT CALLBACK Win32MdiClient::documentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE || message == WM_CREATE) {
        const DocumentCreation* creation = documentCreation(lParam);
        if (creation && message == WM_NCCREATE)
            win32_binding::bind(window, Slot::Window, creation->handler);
        if (creation && message == WM_CREATE) {
            win32_window::createChildControls(window, creation->instance, creation->controls);
            win32_binding::announce(*win32_binding::bindingOf(window, Slot::Window), window);
            return 0;
        }
    }
    win32_binding::Binding* binding = win32_binding::bindingOf(window, Slot::Window);
    if (!binding)
        return DefMDIChildProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        win32_binding::release(window, Slot::Window);
        return DefMDIChildProcA(window, message, wParam, lParam);
    }
    // Tab in the multi-line text asks its parent for the next control, as in a dialog.
    if (message == WM_NEXTDLGCTL && !LOWORD(lParam)) {
        if (HWND next = GetNextDlgTabItem(window, GetFocus(), wParam != 0))
            SetFocus(next);
        return 0;
    }
    if (const int result = win32_binding::dispatch(*binding, message, wParam, lParam, 1))
        return result;
    return DefMDIChildProcA(window, message, wParam, lParam);
}

namespace win32_mdi {

HWND frameClient()
{
    return g_frameClient && IsWindow(g_frameClient) && IsWindowVisible(g_frameClient) ? g_frameClient : nullptr;
}

} // namespace win32_mdi
