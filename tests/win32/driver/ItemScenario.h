#pragma once

#include "tests/win32/driver/Report.h"

#include <windows.h>

#include <string>

// In a program that has the fixture ROM open: changes an item through the item page's
// controls, stores an item whose pocket the pocket list cannot show, saves, compares the ROM's
// bytes and photographs the page showing a record.
void checkItemPage(Report& report, HWND frame, const std::string& romPath, const std::string& screenshotFolder);
