#include "app/Win32DialogBinding.h"

#include "core/ui/ExceptionGuard.h"

#include <map>
#include <memory>

namespace win32_dialog {

namespace {

struct Binding {
    Binding(HWND dialog, IWindowHandler& handler, bool modal) : handler(handler), controls(dialog, modal) {}
    IWindowHandler& handler;
    Win32DialogControls controls;
};

IStatusLine* g_status = nullptr;
// One GUI thread: the dialogs alive now and their bindings.
std::map<HWND, std::unique_ptr<Binding>> g_bindings;

Binding* bindingOf(HWND dialog)
{
    auto it = g_bindings.find(dialog);
    return it == g_bindings.end() ? nullptr : it->second.get();
}

} // namespace

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        const auto* creation = reinterpret_cast<const Creation*>(lParam);
        if (!creation || !creation->handler)
            return TRUE;
        auto& slot = g_bindings[dialog];
        slot = std::make_unique<Binding>(dialog, *creation->handler, creation->modal);
        Binding* binding = slot.get();
        return guardedCall<INT_PTR>(g_status, TRUE, [&] {
            binding->handler.windowCreated(dialog, binding->controls);
            return TRUE;
        });
    }
    Binding* binding = bindingOf(dialog);
    if (!binding)
        return FALSE;
    if (message == WM_NCDESTROY) {
        std::unique_ptr<Binding> gone = std::move(g_bindings[dialog]);
        g_bindings.erase(dialog);
        guardedCall<int>(g_status, 0, [&] {
            gone->handler.windowDestroyed();
            return 0;
        });
        return FALSE;
    }
    return guardedCall<INT_PTR>(g_status, TRUE, [&] {
        return static_cast<INT_PTR>(binding->handler.windowMessage(message, static_cast<std::uintptr_t>(wParam),
                                                                   static_cast<std::intptr_t>(lParam)));
    });
}

Win32DialogControls* controlsOf(HWND dialog)
{
    Binding* binding = bindingOf(dialog);
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
