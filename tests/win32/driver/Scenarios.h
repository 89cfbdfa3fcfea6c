#pragma once

#include "tests/win32/driver/Report.h"

#include <windows.h>

#include <string>

// Paths are Windows paths; folders are scratch folders the scenarios may change.

// Without Setting.ini the program starts, closes on WM_CLOSE and leaves its window placement.
void checkPlacement(Report& report, const std::string& exe, const std::string& folder);

// Opens the fixture ROM of the folder through the open-file dialog, photographs every tab,
// edits the Other page through its controls, saves, exits, and compares the ROM's bytes.
void checkRomSession(Report& report, const std::string& exe, const std::string& folder, const std::string& romName,
                     const std::string& screenshotFolder);

// The fixture ROM of the folder with its section deleted from Setting.ini: its read fails;
// the table finder's menu command, answered Yes, writes the section, and the ROM then reads
// with every page's controls enabled.
void checkFindSettings(Report& report, const std::string& exe, const std::string& folder, const std::string& romName,
                       const std::string& screenshotFolder);

// Opens the ROM of the folder, photographs every tab and closes the program without saving.
void showRom(Report& report, const std::string& exe, const std::string& folder, const std::string& romName,
             const std::string& screenshotFolder);

// Every tool button of the frame is wide enough for its caption's lines, in one row.
void checkToolButtons(Report& report, HWND frame);

// In a program that has the fixture ROM open: changes a type chart entry through the page's
// controls, saves and compares the bytes; then moves the chart with "RePoint" to the first
// free-space candidate and compares again, with a screenshot of the relocation dialog.
void checkTypeChartPage(Report& report, HWND frame, const std::string& romPath, const std::string& screenshotFolder);

// Benchmark figures: how long selecting each tab takes, from message 0x8000 until the page is
// drawn, median of several switches.
void printTabTimings(HWND frame);
