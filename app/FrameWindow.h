#pragma once

#include <windows.h>

#include <string>

// Creates the frame (its controls and the ten pages come with WM_CREATE), places it as
// Setting.ini says and shows it. Null when the window cannot be created.
HWND createFrame(HINSTANCE instance, const char* className, const char* caption, int showCommand);

// Opens the ROM at path, the one way every opening goes: pending edits are asked about
// first, and a Cancel keeps the ROM that is open.
void openRomFile(HWND frame, const std::string& path);
// The ROM named on the program's command line (its arguments, in the system's code page), if
// any, opened as the menu opens one.
void openRomAtStart(HWND frame, const char* commandLine);

// After each message the loop dispatched: the end of one user action for the status line.
void frameActionEnded();

LRESULT CALLBACK frameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);
