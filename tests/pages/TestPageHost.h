#pragma once

#include "core/TabSystem.h"
#include "core/ui/PageHost.h"
#include "core/ui/Shell.h"

#include <memory>

// The page dialog cases run against whichever host the test program provides: dialogs in
// memory natively, real dialogs from the program's templates under Windows.

// Makes a host with its tab control and attaches both to the session. Call it before the
// pages are added, and keep the host alive as long as the session uses it.
std::unique_ptr<IPageHost> makeTestPageHost(CTabSystem& tabs);

// The user acts on a control of the current page's dialog: WM_COMMAND with the control id
// and the notification code reaches the page through the page dialog procedure.
void sendCommand(IPageHost& host, CTabSystem& tabs, int controlId, int notification);

// The same on a control of a window that the page made itself (a text document).
void sendWindowCommand(WindowHandle window, int controlId, int notification);
// The user closes such a window with its close box.
void closeWindow(WindowHandle window);
// The user maximises such a window, a document of an MDI client; what its WM_SIZE returned.
std::intptr_t maximiseWindow(WindowHandle window);
// Where such a window lies in its parent's client area, its own client area, and its parent's.
struct WindowPlace {
    ControlRect window;
    ControlRect client;
    ControlRect parentClient;
};
WindowPlace windowPlace(WindowHandle window);
// What a picture control of the current page's dialog shows (rows of 0x00RRGGBB, top row
// first); empty when it shows nothing.
RgbImage shownPicture(IPageHost& host, CTabSystem& tabs, int controlId);
// The size of a picture control's inside, within its border, in pixels.
ControlRect pictureInside(IPageHost& host, CTabSystem& tabs, int controlId);

// The user picks a tab: the tab control's selection changes, then TCN_SELCHANGE.
inline void chooseTab(IPageHost& host, CTabSystem& tabs, int index)
{
    host.selectTab(tabs.tabControl(), index);
    tabs.switchToSelectedTab();
}

// The current page's dialog controls, those its page was given; null when it has no dialog.
IDialogControls* currentControls(IPageHost& host, CTabSystem& tabs);
