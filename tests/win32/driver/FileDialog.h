#pragma once

#include <windows.h>

#include <string>

// The program's open and save file dialogs, driven as a user would.

// The visible file dialog owned by the frame, once it shows (and has the title, when one is
// given); null when none shows in time.
HWND waitForFileDialog(HWND frame, DWORD milliseconds, const std::string& title = {});
// Types the path into the dialog's file name field and presses OK until the dialog closes.
bool chooseFile(HWND dialog, const std::string& path, DWORD milliseconds);
