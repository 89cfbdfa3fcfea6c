#include "app/Win32DialogBinding.h"

#include "app/Win32WindowBinding.h"

namespace win32_dialog {

namespace {

using win32_binding::Slot;

IStatusLine* g_status = nullptr;

} // namespace

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        const auto* creation = reinterpret_cast<const Creation*>(lParam);
        if (creation && creation->handler)
            win32_binding::announce(win32_binding::bind(dialog, Slot::Dialog, *creation->handler, creation->modal),
                                    dialog);
        return TRUE;
    }
    if (message == WM_NCDESTROY) {
        win32_binding::release(dialog, Slot::Dialog);
        return FALSE;
    }
    win32_binding::Binding* binding = win32_binding::bindingOf(dialog, Slot::Dialog);
    return binding ? win32_binding::dispatch(*binding, message, wParam, lParam, TRUE) : FALSE;
}

Win32DialogControls* controlsOf(HWND dialog)
{
    // Only a dialog of this procedure keeps a binding in DWLP_USER; a message box keeps its own.
    if (!dialog || GetWindowLongPtrA(dialog, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&dialogProc))
        return nullptr;
    win32_binding::Binding* binding = win32_binding::bindingOf(dialog, Slot::Dialog);
    return binding ? &binding->controls : nullptr;
}

void setStatusLine(IStatusLine* status)
{
    g_status = status;
}

IStatusLine* statusLine()
{
    return g_status;
}

} // namespace win32_dialog
