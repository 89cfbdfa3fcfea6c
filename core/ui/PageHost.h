#pragma once

#include <cstdint>
#include <string>

class CWindowBase;
class IDialogControls;

// Window handles as the portable code carries them (HWND on Windows).
using WindowHandle = void*;

// Creates and places the dialogs of pages inside the tab control. The Win32 program
// provides it; without one (tests, the command-line tools) pages have no dialog.
class IPageHost {
public:
    virtual ~IPageHost() = default;
    // Appends a tab with the caption; returns the tab count afterwards.
    virtual int addTab(WindowHandle tabControl, const std::string& caption) = 0;
    virtual WindowHandle createPageDialog(CWindowBase& page, WindowHandle tabControl, int dialogId) = 0;
    virtual void destroyPageDialog(WindowHandle dialog) = 0;
    virtual void fitPageDialog(WindowHandle dialog, WindowHandle tabControl) = 0;
    // TCM_GETCURSEL: -1 when no tab is selected.
    virtual int selectedTab(WindowHandle tabControl) = 0;
    // TCM_SETCURSEL: an index outside the tabs leaves the selection as it is.
    virtual void selectTab(WindowHandle tabControl, int index) = 0;
    // The controls of a dialog this host created; null for any other handle.
    virtual IDialogControls* controls(WindowHandle dialog) = 0;
};
