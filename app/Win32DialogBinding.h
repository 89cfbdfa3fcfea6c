#pragma once

#include "app/Win32DialogControls.h"
#include "core/ui/StatusLine.h"
#include "core/ui/WindowHandler.h"

#include <windows.h>

// Every dialog the program makes from a template has its own handler: WM_INITDIALOG stores the
// binding with the dialog (win32_binding), and from then on every message of that dialog
// reaches that handler, and only it, until WM_NCDESTROY frees the binding.
namespace win32_dialog {

// The creation parameter of CreateDialogParamA and DialogBoxParamA.
struct Creation {
    IWindowHandler* handler = nullptr;
    bool modal = false;
};

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The controls of a dialog of dialogProc, those its handler was given; null for any other window.
Win32DialogControls* controlsOf(HWND dialog);

// Where an exception that a handler lets out is reported (the program's status line).
void setStatusLine(IStatusLine* status);
IStatusLine* statusLine();

} // namespace win32_dialog
