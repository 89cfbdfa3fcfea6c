#pragma once

#include "core/ui/PageHost.h"

#include <windows.h>

// Page dialogs from the program's templates inside the tab control; each dialog's messages
// reach its own page (win32_dialog).
class Win32PageHost : public IPageHost {
public:
    explicit Win32PageHost(HINSTANCE instance) : m_instance(instance) {}
    Win32PageHost(const Win32PageHost&) = delete;
    Win32PageHost& operator=(const Win32PageHost&) = delete;

    int addTab(WindowHandle tabControl, const std::string& caption) override;
    WindowHandle createPageDialog(IWindowHandler& handler, WindowHandle tabControl, int dialogId) override;
    void destroyPageDialog(WindowHandle dialog) override;
    void fitPageDialog(WindowHandle dialog, WindowHandle tabControl) override;
    int selectedTab(WindowHandle tabControl) override;
    void selectTab(WindowHandle tabControl, int index) override;

private:
    HINSTANCE m_instance;
};
