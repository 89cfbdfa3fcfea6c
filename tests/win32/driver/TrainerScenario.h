#pragma once

#include "tests/win32/driver/Report.h"

#include <windows.h>

#include <string>

// In a program that has the fixture ROM open: edits the trainer page through its controls, saves and compares the ROM's bytes.
void checkTrainerPage(Report& report, HWND frame, const std::string& romPath, const std::string& screenshotFolder);
