#pragma once

#include "app/Win32DialogControls.h"
#include "core/ui/Shell.h"

#include <windows.h>

#include <vector>

// A top-level window of its own class, owned by the frame (the TM/HM window): created hidden
// with its controls, closing it only hides it, and every other message reaches its handler.
// The handler must outlive the window; it sees windowDestroyed when the window goes, with
// this object or earlier with its owner.
class Win32ToolWindow : public IToolWindow, private IWindowHandler {
public:
    // Registers the class on first use and creates the window; handle() is null on failure.
    Win32ToolWindow(HINSTANCE instance, HWND owner, const ToolWindowSpec& spec, IWindowHandler& handler);
    ~Win32ToolWindow() override;
    Win32ToolWindow(const Win32ToolWindow&) = delete;
    Win32ToolWindow& operator=(const Win32ToolWindow&) = delete;

    WindowHandle handle() const override { return m_window; }
    IDialogControls& controls() override { return m_controls ? *m_controls : m_noWindow; }
    void show() override;
    void hide() override;
    bool isShown() const override;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The window's binding holds this object, which keeps the handle and controls it is given
    // and passes everything on to the handler.
    void windowCreated(WindowHandle window, IDialogControls& controls) override;
    int windowMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void windowDestroyed() override;

    HINSTANCE m_instance;
    IWindowHandler& m_handler;
    std::vector<ChildControl> m_childControls;
    HWND m_window = nullptr;
    IDialogControls* m_controls = nullptr;
    // What controls() gives while there is no window: controls that do nothing.
    Win32DialogControls m_noWindow{nullptr};
};
