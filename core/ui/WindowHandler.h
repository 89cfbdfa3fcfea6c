#pragma once

#include "core/ui/DialogControls.h"

#include <cstdint>

// Window handles as the portable code carries them (HWND on Windows).
using WindowHandle = void*;

// The object behind one dialog or window: the messages of that window reach it, and no other.
class IWindowHandler {
public:
    virtual ~IWindowHandler() = default;
    // WM_INITDIALOG (or WM_CREATE, once the window's own controls exist): from here on the
    // handle and the controls are valid until windowDestroyed.
    virtual void windowCreated(WindowHandle window, IDialogControls& controls) = 0;
    // Every later message of the window; nonzero when handled. A window's default processing
    // runs for 0.
    virtual int windowMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    // The window is gone; its handle and controls must not be used any more.
    virtual void windowDestroyed() {}
};
