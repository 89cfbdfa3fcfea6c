#pragma once

#include "core/ui/Shell.h"

#include <windows.h>

#include <optional>
#include <string>

// Bitmap files through the window system's own loader, so that every bitmap it can load is
// shown; the headers are checked first, so that a crafted file makes no huge allocation and
// nothing is read beyond its end.
namespace win32_bitmap {

// Bitmaps wider or taller than this are refused before anything is allocated for them.
inline constexpr int kMaxBitmapSide = 4096;

// The pixels, top row first; nothing when the file cannot be read or is no sane bitmap.
std::optional<RgbImage> loadBitmapFile(const std::string& path);

// The header of 32-bit pixels, top row first: the form of RgbImage.
BITMAPINFO topDownRgbInfo(int width, int height);

} // namespace win32_bitmap
