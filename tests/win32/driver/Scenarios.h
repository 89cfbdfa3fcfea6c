#pragma once

#include "tests/win32/driver/Report.h"

#include <string>

// Paths are Windows paths; folders are scratch folders the scenarios may change.

// Without Setting.ini the program starts, closes on WM_CLOSE and leaves its window placement.
void checkPlacement(Report& report, const std::string& exe, const std::string& folder);

// Opens the fixture ROM of the folder through the open-file dialog, photographs every tab,
// edits the Other page through its controls, saves, exits, and compares the ROM's bytes.
void checkRomSession(Report& report, const std::string& exe, const std::string& folder, const std::string& romName,
                     const std::string& screenshotFolder);

// Opens the ROM of the folder, photographs every tab and closes the program without saving.
void showRom(Report& report, const std::string& exe, const std::string& folder, const std::string& romName,
             const std::string& screenshotFolder);
