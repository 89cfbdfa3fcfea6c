#pragma once

#include "app/Win32DialogControls.h"
#include "core/ui/PageHost.h"

#include <windows.h>

#include <map>
#include <memory>

class CTabSystem;

// Page dialogs from the program's templates inside the tab control. Every page dialog has the
// same dialog procedure: WM_INITDIALOG goes to the page being created, every other message to
// the current page.
class Win32PageHost : public IPageHost {
public:
    Win32PageHost(CTabSystem& tabs, HINSTANCE instance) : m_tabs(tabs), m_instance(instance) {}
    Win32PageHost(const Win32PageHost&) = delete;
    Win32PageHost& operator=(const Win32PageHost&) = delete;

    int addTab(WindowHandle tabControl, const std::string& caption) override;
    WindowHandle createPageDialog(CWindowBase& page, WindowHandle tabControl, int dialogId) override;
    void destroyPageDialog(WindowHandle dialog) override;
    void fitPageDialog(WindowHandle dialog, WindowHandle tabControl) override;
    int selectedTab(WindowHandle tabControl) override;
    void selectTab(WindowHandle tabControl, int index) override;
    IDialogControls* controls(WindowHandle dialog) override;

private:
    static INT_PTR CALLBACK pageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    CTabSystem& m_tabs;
    HINSTANCE m_instance;
    // The page whose dialog is being created: WM_INITDIALOG arrives before the handle is known.
    CWindowBase* m_creating = nullptr;
    std::map<HWND, std::unique_ptr<Win32DialogControls>> m_controls;
};
