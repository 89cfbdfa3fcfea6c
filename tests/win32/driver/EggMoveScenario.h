#pragma once

#include "tests/win32/driver/Report.h"

#include <windows.h>

#include <string>

// In a program that has the fixture ROM open: edits a move and a monster of the egg move table
// in the normal mode and a word in the raw mode through the page's controls, saves and
// compares the ROM's bytes, with a screenshot of the page.
void checkEggMovePage(Report& report, HWND frame, const std::string& romPath, const std::string& screenshotFolder);
