#include "app/Win32ToolWindow.h"

#include "app/Win32ChildControls.h"
#include "app/Win32WindowBinding.h"

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
constexpr DWORD kExStyle = 0;

using win32_binding::Slot;

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
        m_window = CreateWindowExA(kExStyle, spec.className.c_str(), spec.title.c_str(), kStyle, CW_USEDEFAULT, 0,
                                   size.right - size.left, size.bottom - size.top, owner, nullptr, instance, this);
    }
    if (m_window)
        fitClientArea(m_window, spec.clientWidth, spec.clientHeight);
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
    if (message == WM_NCCREATE || message == WM_CREATE) {
        // The creation parameter is the tool window object itself.
        auto* self = static_cast<Win32ToolWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (self && message == WM_NCCREATE)
            win32_binding::bind(window, Slot::Window, *self);
        if (self && message == WM_CREATE) {
            win32_window::createChildControls(window, self->m_instance, self->m_childControls);
            win32_binding::announce(*win32_binding::bindingOf(window, Slot::Window), window);
            return 0;
        }
    }
    win32_binding::Binding* binding = win32_binding::bindingOf(window, Slot::Window);
    if (!binding)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_CLOSE:
        ShowWindow(window, SW_HIDE);
        return 0;
    case WM_NCDESTROY:
        win32_binding::release(window, Slot::Window);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (const int result = win32_binding::dispatch(*binding, message, wParam, lParam, 1))
        return result;
    return DefWindowProcA(window, message, wParam, lParam);
}

void Win32ToolWindow::windowCreated(WindowHandle window, IDialogControls& controls)
{
    m_window = static_cast<HWND>(window);
    m_controls = &controls;
    m_handler.windowCreated(window, controls);
}

int Win32ToolWindow::windowMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)
{
    return m_handler.windowMessage(message, wParam, lParam);
}

void Win32ToolWindow::windowDestroyed()
{
    m_window = nullptr;
    m_controls = nullptr;
    m_handler.windowDestroyed();
}
