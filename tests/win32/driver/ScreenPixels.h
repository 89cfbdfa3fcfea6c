#pragma once

#include "tests/win32/driver/Report.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Pixels as rows of 0x00RRGGBB, top row first.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rows;

    std::uint32_t at(int x, int y) const { return rows[static_cast<std::size_t>(y) * width + x]; }
};

// What the screen shows inside the control's border (its client area).
Pixels shownInside(HWND control);
// A bitmap file's pixels; empty when it cannot be loaded.
Pixels bitmapFile(const std::string& path);
// The top-left width x height pixels, or fewer.
Pixels topLeft(const Pixels& picture, int width, int height);

// Checks that the inside of the control (within its border) is exactly the picture, one
// screen pixel per picture pixel; when framed, that the control has a border around it.
bool showsOneToOne(Report& report, HWND control, const Pixels& picture, bool framed, const std::string& what);
