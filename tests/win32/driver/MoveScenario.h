#pragma once

#include "tests/win32/driver/Report.h"

#include <windows.h>

#include <string>

// In a program that has the fixture ROM open: changes a move through the move page's
// controls, stores a move whose type the type list cannot show, saves, compares the ROM's
// bytes and photographs the page showing a record.
void checkMovePage(Report& report, HWND frame, const std::string& romPath, const std::string& screenshotFolder);
