#pragma once

#include "core/BitmapHeader.h"
#include "core/Result.h"
#include "pages/image/Palette.h"
#include "pages/image/Picture.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Uncompressed 16-colour Windows bitmaps, 64 pixels wide, one 64x64 frame after another:
// the file header, a 40-byte information header, the colour table, then the pixel rows
// bottom-up, 32 bytes a row, the left pixel of each pair in the high nibble.
namespace bitmap_layout {
inline constexpr std::size_t kColourTable = bitmap_header::kFileHeaderSize + bitmap_header::kInfoHeaderSize;
inline constexpr std::size_t kColourEntrySize = 4;
inline constexpr std::size_t kColours = 16;
inline constexpr std::size_t kMaxColours = 256;
inline constexpr std::size_t kPixels = kColourTable + kColours * kColourEntrySize;
inline constexpr std::size_t kRowBytes = 32;
} // namespace bitmap_layout

// The whole file for a picture of frames frames (0 to 4) in the given palette.
std::vector<std::uint8_t> encodeBitmap(const Picture& picture, int frames, const Palette& palette);
// Writes the file from its start and cuts off whatever an older, longer file left behind.
Result saveBitmapFile(const std::string& path, const Picture& picture, int frames, const Palette& palette);

struct BitmapImport {
    // A refusal says what the user is told: a file that cannot be opened or ends early, no "BM"
    // type, an information header other than 40 bytes or over 256 colours, not 16 colours,
    // compressed, or not 64 wide and 64 x frames high.
    Result status;
    // Set once the colour table was read, even if the size check or the pixel rows fail.
    bool hasPalette = false;
    // The first sixteen colours, each component cut to what a 15-bit colour holds.
    Palette palette{};
    bool hasPicture = false;
    Picture picture;
};

// The checks run in the order the user is told about them: type, header size, depth,
// compression, colour count; then, when frames is given, the size and the pixel rows.
// The pixel rows are taken directly after the colour table. No frames reads the palette only.
BitmapImport decodeBitmap(std::span<const std::uint8_t> file, std::optional<int> frames);
BitmapImport readBitmapFile(const std::string& path, std::optional<int> frames);
