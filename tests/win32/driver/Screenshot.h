#pragma once

#include <windows.h>

#include <string>

// Saves what the screen shows of the window as a 24-bit bitmap file; the window should be on
// top.
bool saveScreenshot(HWND window, const std::string& path);
