#include "app/Win32ToolWindow.h"

#include "app/Win32ChildControls.h"
#include "app/Win32DialogBinding.h"
#include "core/ui/ExceptionGuard.h"

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
constexpr DWORD kExStyle = 0;

bool registerClass(HINSTANCE instance, const std::string& name, WNDPROC procedure)
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
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name.c_str();
    return RegisterClassExA(&windowClass) != 0;
}

// Makes the client area exactly width × height, whatever the frame around it measures.
void fitClientArea(HWND window, int width, int height)
{
    RECT client{};
    RECT outer{};
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    const int dx = width - (client.right - client.left);
    const int dy = height - (client.bottom - client.top);
    if (dx != 0 || dy != 0)
        SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + dx, outer.bottom - outer.top + dy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

Win32ToolWindow::Win32ToolWindow(HINSTANCE instance, HWND owner, const ToolWindowSpec& spec, IWindowHandler& handler)
    : m_instance(instance), m_handler(handler), m_childControls(spec.controls)
{
    if (registerClass(instance, spec.className, windowProc)) {
        RECT size{0, 0, spec.clientWidth, spec.clientHeight};
        AdjustWindowRectEx(&size, kStyle, FALSE, kExStyle);
        CreateWindowExA(kExStyle, spec.className.c_str(), spec.title.c_str(), kStyle, CW_USEDEFAULT, 0,
                        size.right - size.left, size.bottom - size.top, owner, nullptr, instance, this);
    }
    if (m_window)
        fitClientArea(m_window, spec.clientWidth, spec.clientHeight);
    else
        m_controls = std::make_unique<Win32DialogControls>(nullptr);
}

Win32ToolWindow::~Win32ToolWindow()
{
    if (m_window)
        DestroyWindow(m_window);
}

void Win32ToolWindow::show()
{
    if (m_window)
        ShowWindow(m_window, SW_SHOWNORMAL);
}

void Win32ToolWindow::hide()
{
    if (m_window)
        ShowWindow(m_window, SW_HIDE);
}

bool Win32ToolWindow::isShown() const
{
    return m_window && IsWindowVisible(m_window);
}

LRESULT CALLBACK Win32ToolWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Win32ToolWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (!self)
            return DefWindowProcA(window, message, wParam, lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->m_window = window;
        self->m_controls = std::make_unique<Win32DialogControls>(window);
    }
    auto* self = reinterpret_cast<Win32ToolWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    return self->handleMessage(message, wParam, lParam);
}

LRESULT Win32ToolWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND window = m_window;
    switch (message) {
    case WM_CREATE:
        win32_window::createChildControls(window, m_instance, m_childControls);
        m_created = true;
        guardedCall<int>(win32_dialog::statusLine(), 0, [&] {
            m_handler.windowCreated(window, *m_controls);
            return 0;
        });
        return 0;
    case WM_CLOSE:
        ShowWindow(window, SW_HIDE);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        m_window = nullptr;
        if (m_created) {
            m_created = false;
            guardedCall<int>(win32_dialog::statusLine(), 0, [&] {
                m_handler.windowDestroyed();
                return 0;
            });
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (m_created) {
        const int result = guardedCall<int>(win32_dialog::statusLine(), 1, [&] {
            return m_handler.windowMessage(message, static_cast<std::uintptr_t>(wParam),
                                           static_cast<std::intptr_t>(lParam));
        });
        if (result != 0)
            return result;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
