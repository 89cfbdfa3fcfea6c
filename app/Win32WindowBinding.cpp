#include "app/Win32WindowBinding.h"

#include "app/Win32DialogBinding.h"
#include "core/ui/ExceptionGuard.h"

#include <memory>

namespace win32_binding {

namespace {

int offsetOf(Slot slot)
{
    return slot == Slot::Dialog ? DWLP_USER : GWLP_USERDATA;
}

} // namespace

Binding& bind(HWND window, Slot slot, IWindowHandler& handler, bool modal)
{
    auto binding = std::make_unique<Binding>(window, handler, modal);
    SetWindowLongPtrA(window, offsetOf(slot), reinterpret_cast<LONG_PTR>(binding.get()));
    return *binding.release();
}

Binding* bindingOf(HWND window, Slot slot)
{
    return reinterpret_cast<Binding*>(GetWindowLongPtrA(window, offsetOf(slot)));
}

void announce(Binding& binding, HWND window)
{
    binding.created = true;
    guardedCall<int>(win32_dialog::statusLine(), 0, [&] {
        binding.handler.windowCreated(window, binding.controls);
        return 0;
    });
}

int dispatch(Binding& binding, UINT message, WPARAM wParam, LPARAM lParam, int ifThrown)
{
    if (!binding.created)
        return 0;
    return guardedCall<int>(win32_dialog::statusLine(), ifThrown, [&] {
        return binding.handler.windowMessage(message, static_cast<std::uintptr_t>(wParam),
                                             static_cast<std::intptr_t>(lParam));
    });
}

void release(HWND window, Slot slot)
{
    const std::unique_ptr<Binding> gone(bindingOf(window, slot));
    if (!gone)
        return;
    SetWindowLongPtrA(window, offsetOf(slot), 0);
    if (gone->created) {
        guardedCall<int>(win32_dialog::statusLine(), 0, [&] {
            gone->handler.windowDestroyed();
            return 0;
        });
    }
}

} // namespace win32_binding
