#pragma once

#include "core/ui/WindowHandler.h"

#include <string>

// Creates and places the dialogs of pages inside the tab control. The Win32 program
// provides it; without one (tests, the command-line tools) pages have no dialog.
class IPageHost {
public:
    virtual ~IPageHost() = default;
    // Appends a tab with the caption; returns the tab count afterwards.
    virtual int addTab(WindowHandle tabControl, const std::string& caption) = 0;
    // A dialog from the template whose messages all reach the handler, from WM_INITDIALOG
    // (which arrives before this returns, with the dialog's controls) on; null when it cannot
    // be made.
    virtual WindowHandle createPageDialog(IWindowHandler& handler, WindowHandle tabControl, int dialogId) = 0;
    virtual void destroyPageDialog(WindowHandle dialog) = 0;
    virtual void fitPageDialog(WindowHandle dialog, WindowHandle tabControl) = 0;
    // TCM_GETCURSEL: -1 when no tab is selected.
    virtual int selectedTab(WindowHandle tabControl) = 0;
    // TCM_SETCURSEL: an index outside the tabs leaves the selection as it is.
    virtual void selectTab(WindowHandle tabControl, int index) = 0;
};
