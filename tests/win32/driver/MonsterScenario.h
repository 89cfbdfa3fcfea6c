#pragma once

#include "tests/win32/driver/Report.h"

#include <windows.h>

#include <string>

// In a program that has the fixture ROM open: edits the monster page through its controls, saves and compares the ROM's bytes.
void checkMonsterPage(Report& report, HWND frame, const std::string& romPath, const std::string& screenshotFolder);
