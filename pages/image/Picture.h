#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// A monster picture as the page edits it: 64 pixels wide, up to four 64x64 frames stacked
// downwards, one colour index (0 to 15) per pixel.
struct Picture {
    static constexpr int kWidth = 64;
    static constexpr int kFrameHeight = 64;
    static constexpr int kMaxFrames = 4;
    static constexpr int kMaxHeight = kFrameHeight * kMaxFrames;
    // A frame in the cartridge's 4-bit tile form.
    static constexpr std::size_t kFrameTileBytes = 2048;

    std::array<std::uint8_t, kWidth * kMaxHeight> pixels{};

    std::uint8_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y * kWidth + x)]; }
    std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * kWidth + x)]; }
};

// Tile data: 8x8 tiles of 32 bytes (rows top to bottom, 4 bytes a row, the left pixel of
// each pair in the low nibble), eight tiles to a tile row, tile rows top to bottom.
// Both fail when frames is outside 0 to 4 or the tile buffer is shorter than the frames.
bool unpackTiles(std::span<const std::uint8_t> tiles, int frames, Picture& picture);
bool packTiles(const Picture& picture, int frames, std::span<std::uint8_t> tiles);
