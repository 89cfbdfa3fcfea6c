#pragma once

#include "app/Win32DialogControls.h"
#include "core/ui/WindowHandler.h"

#include <windows.h>

// Every window the program makes finds its handler the same way: the binding (the handler and
// the controls it was given) is stored with the window itself from its first message on, and
// WM_NCDESTROY frees it after telling the handler.
namespace win32_binding {

// Where the binding is stored: a dialog's DWLP_USER, or GWLP_USERDATA of a window of the
// program's own class.
enum class Slot { Dialog, Window };

struct Binding {
    Binding(HWND window, IWindowHandler& handler, bool modal) : handler(handler), controls(window, modal) {}
    IWindowHandler& handler;
    Win32DialogControls controls;
    // From windowCreated on; only then do later messages and windowDestroyed reach the handler.
    bool created = false;
};

// Stores a new binding with the window, which owns it until release.
Binding& bind(HWND window, Slot slot, IWindowHandler& handler, bool modal = false);
// The binding stored with the window; null before bind and after release.
Binding* bindingOf(HWND window, Slot slot);
// The window now exists (WM_INITDIALOG, or WM_CREATE once its controls are made): the handler
// receives it with its controls.
void announce(Binding& binding, HWND window);
// A later message of the window; the handler's result, or ifThrown when it let an exception out.
int dispatch(Binding& binding, UINT message, WPARAM wParam, LPARAM lParam, int ifThrown);
// WM_NCDESTROY: the window forgets its binding, the handler hears windowDestroyed, and the
// binding is freed.
void release(HWND window, Slot slot);

} // namespace win32_binding
