#include "app/Win32PageHost.h"

#include "app/Win32DialogBinding.h"

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

WindowHandle Win32PageHost::createPageDialog(IWindowHandler& handler, WindowHandle tabControl, int dialogId)
{
    // A page without a template (id 0) has no dialog; asking the system for one only costs time.
    if (dialogId <= 0)
        return nullptr;
    win32_dialog::Creation creation{&handler, false};
    HWND dialog = CreateDialogParamA(m_instance, MAKEINTRESOURCEA(dialogId), hwnd(tabControl), win32_dialog::dialogProc,
                                     reinterpret_cast<LPARAM>(&creation));
    if (!dialog)
        return nullptr;
    fitPageDialog(dialog, tabControl);
    ShowWindow(dialog, SW_SHOW);
    return dialog;
}

void Win32PageHost::destroyPageDialog(WindowHandle dialog)
{
    DestroyWindow(hwnd(dialog));
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
