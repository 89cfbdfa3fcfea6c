#pragma once

#include "tests/win32/driver/Report.h"

#include <windows.h>

#include <string>

// In a program that has the fixture ROM open: loads, edits and writes a text through the text page's documents, and compares the ROM's bytes.
void checkTextPage(Report& report, HWND frame, const std::string& romPath, const std::string& screenshotFolder);
