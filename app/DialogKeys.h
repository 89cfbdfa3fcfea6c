#pragma once

#include <windows.h>

// The keyboard of a dialog for the windows that live inside the frame (page dialogs, text
// documents): Tab and Shift+Tab move through their controls, the arrows through a group.
// Enter and Esc go only to a control that wants them, or click the focused push button; they
// never reach a page as a command of their own. Returns whether the message was used.
bool translateDialogKeys(MSG& message);
