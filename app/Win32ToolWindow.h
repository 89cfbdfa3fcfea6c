#pragma once

#include "app/Win32DialogControls.h"
#include "core/ui/Shell.h"

#include <windows.h>

#include <memory>
#include <vector>

// A top-level window of its own class, owned by the frame (the TM/HM window): created hidden
// with its controls, closing it only hides it, and every other message reaches its handler.
// The handler must outlive the window; it sees windowDestroyed when the window goes, with
// this object or earlier with its owner.
class Win32ToolWindow : public IToolWindow {
public:
    // Registers the class on first use and creates the window; handle() is null on failure.
    Win32ToolWindow(HINSTANCE instance, HWND owner, const ToolWindowSpec& spec, IWindowHandler& handler);
    ~Win32ToolWindow() override;
    Win32ToolWindow(const Win32ToolWindow&) = delete;
    Win32ToolWindow& operator=(const Win32ToolWindow&) = delete;

    WindowHandle handle() const override { return m_window; }
    IDialogControls& controls() override { return *m_controls; }
    void show() override;
    void hide() override;
    bool isShown() const override;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE m_instance;
    IWindowHandler& m_handler;
    std::vector<ChildControl> m_childControls;
    HWND m_window = nullptr;
    std::unique_ptr<Win32DialogControls> m_controls;
    // From WM_CREATE (controls made, handler told) to WM_NCDESTROY.
    bool m_created = false;
};
