#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The frame's rectangle and show state in Setting.ini, section "Calvanter".
struct SavedPlacement {
    int x, y, width, height, showCommand;
};

// Only a complete set of the five keys counts.
std::optional<SavedPlacement> readWindowPlacement(const std::string& settingsFile);
// The rectangle is written only while the window is neither maximised nor minimised;
// the show state always; nothing when they are what the file holds. False when Setting.ini
// could not be written (it is then as it was).
bool writeWindowPlacement(const std::string& settingsFile, HWND frame);
