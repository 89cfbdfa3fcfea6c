#pragma once

#include <windows.h>

#include <string>

// The system's open-file dialog for a ROM, proposing the last one. False when cancelled.
bool chooseRomFile(HWND owner, std::string& path);
