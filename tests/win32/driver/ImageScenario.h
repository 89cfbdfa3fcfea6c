#pragma once

#include "tests/win32/driver/Report.h"

#include <windows.h>

#include <string>

// In a program that has the fixture ROM open: exports, imports and writes pictures through the image page, and compares the ROM's bytes.
void checkImagePage(Report& report, HWND frame, const std::string& romPath, const std::string& screenshotFolder);
