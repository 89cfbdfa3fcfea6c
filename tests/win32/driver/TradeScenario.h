#pragma once

#include "tests/win32/driver/Report.h"

#include <windows.h>

#include <string>

// In a program that has the fixture ROM open: changes a trade's gender value, nature, shiny
// state, parent name, an individual value and the wanted monster through the page's controls,
// stores, saves and compares the ROM's bytes, with a screenshot of the page.
void checkTradePage(Report& report, HWND frame, const std::string& romPath, const std::string& screenshotFolder);
