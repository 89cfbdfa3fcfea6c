#pragma once

#include "core/ui/Shell.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// The portable reader of ordinary uncompressed bitmap files behind the in-memory shell.
//
// Reads BITMAPINFOHEADER files (and the V2 to V5 headers, of which only the first 40 bytes
// and the colour masks mean anything here) of 1, 4 and 8 bits with a colour table, 16 bits
// (5-5-5 for BI_RGB; BI_BITFIELDS with the 5-5-5 or 5-6-5 masks), 24 bits and 32 bits
// (BI_RGB, or BI_BITFIELDS with the masks 0xFF0000, 0xFF00, 0xFF), stored bottom-up
// (positive height) or top-down (negative height), at most 4096 pixels a side. A pixel data
// offset of 0 means right after the colour table. A colour index beyond the table reads as
// black. Everything else is refused: OS/2 core headers, RLE, JPEG and PNG inside a bitmap,
// other masks, zero or huge sizes, and any file shorter than what its headers announce.
// Nothing outside the file's bytes is ever read.
std::optional<RgbImage> decodeBitmapPixels(std::span<const std::uint8_t> file);

// The same for a file; nothing when it cannot be read.
std::optional<RgbImage> loadBitmapPixels(const std::string& path);
