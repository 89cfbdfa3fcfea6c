#include "app/Win32PageHost.h"

#include "core/ui/ExceptionGuard.h"
#include "core/TabSystem.h"

#include <commctrl.h>

#include <string>

namespace {

HWND hwnd(WindowHandle handle)
{
    return static_cast<HWND>(handle);
}

} // namespace

int Win32PageHost::addTab(WindowHandle tabControl, const std::string& caption)
{
    std::string text = caption;
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    const int count = static_cast<int>(SendMessageA(hwnd(tabControl), TCM_GETITEMCOUNT, 0, 0));
    SendMessageA(hwnd(tabControl), TCM_INSERTITEMA, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&item));
    return static_cast<int>(SendMessageA(hwnd(tabControl), TCM_GETITEMCOUNT, 0, 0));
}

WindowHandle Win32PageHost::createPageDialog(CWindowBase& page, WindowHandle tabControl, int dialogId)
{
    m_creating = &page;
    HWND dialog = CreateDialogParamA(m_instance, MAKEINTRESOURCEA(dialogId), hwnd(tabControl), pageDialogProc,
                                     reinterpret_cast<LPARAM>(this));
    m_creating = nullptr;
    if (!dialog)
        return nullptr;
    fitPageDialog(dialog, tabControl);
    ShowWindow(dialog, SW_SHOW);
    return dialog;
}

void Win32PageHost::destroyPageDialog(WindowHandle dialog)
{
    DestroyWindow(hwnd(dialog));
    m_controls.erase(hwnd(dialog));
}

void Win32PageHost::fitPageDialog(WindowHandle dialog, WindowHandle tabControl)
{
    RECT area{};
    GetClientRect(hwnd(tabControl), &area);
    SendMessageA(hwnd(tabControl), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MoveWindow(hwnd(dialog), area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

int Win32PageHost::selectedTab(WindowHandle tabControl)
{
    return static_cast<int>(SendMessageA(hwnd(tabControl), TCM_GETCURSEL, 0, 0));
}

void Win32PageHost::selectTab(WindowHandle tabControl, int index)
{
    const int count = static_cast<int>(SendMessageA(hwnd(tabControl), TCM_GETITEMCOUNT, 0, 0));
    if (index >= 0 && index < count)
        SendMessageA(hwnd(tabControl), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

IDialogControls* Win32PageHost::controls(WindowHandle dialog)
{
    HWND window = hwnd(dialog);
    if (!window || !IsWindow(window))
        return nullptr;
    auto& slot = m_controls[window];
    if (!slot)
        slot = std::make_unique<Win32DialogControls>(window);
    return slot.get();
}

INT_PTR CALLBACK Win32PageHost::pageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    auto* host = reinterpret_cast<Win32PageHost*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (!host)
        return FALSE;
    return guardedCall<INT_PTR>(host->m_tabs.statusLine(), TRUE,
                                [&] { return host->handle(dialog, message, wParam, lParam); });
}

INT_PTR Win32PageHost::handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        if (CWindowBase* page = m_creating ? m_creating : m_tabs.currentPage())
            page->InitDialog(dialog);
        return TRUE;
    }
    if (message == WM_NCDESTROY)
        m_controls.erase(dialog);
    return m_tabs.forwardToCurrentPage(message, static_cast<std::uintptr_t>(wParam), static_cast<std::intptr_t>(lParam));
}
