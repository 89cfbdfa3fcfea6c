#pragma once

#include <windows.h>

// Private messages that outside programs send to the frame.
inline constexpr UINT kSelectTabMessage = 0x8000;  // wParam: tab index
inline constexpr UINT kSelectListMessage = 0x8001; // wParam: entry of list box 1004
inline constexpr UINT kOpenTextMessage = 0x8002;   // lParam: ROM offset of a text

// Creates the frame (its controls and the ten pages come with WM_CREATE), places it as
// Setting.ini says and shows it. Null when the window cannot be created.
HWND createFrame(HINSTANCE instance, const char* className, const char* caption, int showCommand);

// After each message the loop dispatched: the end of one user action for the status line.
void frameActionEnded();

LRESULT CALLBACK frameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);
