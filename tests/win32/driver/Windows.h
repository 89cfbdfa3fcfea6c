#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Looking at and acting on the windows of another process.

constexpr DWORD kMessageTimeout = 60000;

// Polls done until it holds or the time is up; returns whether it held.
bool waitUntil(DWORD milliseconds, const std::function<bool()>& done);
// Polls find until it returns a window or the time is up.
HWND waitForWindow(DWORD milliseconds, const std::function<HWND()>& find);
// A top-level window of the class that belongs to the process.
HWND findTopLevelWindow(const char* className, DWORD processId);
// A top-level window of the class whose owner is owner.
HWND findOwnedWindow(const char* className, HWND owner);
// The first child of the class, searching the whole tree below parent.
HWND findDescendant(HWND parent, const char* className);

// WM_GETTEXT through the system's marshalling; a status bar answers with its part 0.
std::string windowText(HWND window);
// Polls the window's text until it equals expected; returns the last text seen.
std::string waitForText(HWND window, const std::string& expected, DWORD milliseconds);

// SendMessage with a time limit, so that a hung program cannot hang the driver.
bool sendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr);
