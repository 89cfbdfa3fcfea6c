#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// Sixteen colours as the screen takes them: red in bits 0-7, green 8-15, blue 16-23.
using Palette = std::array<std::uint32_t, 16>;

// The cartridge form: sixteen little-endian 15-bit colours, red in bits 0-4, green 5-9,
// blue 10-14.
inline constexpr std::size_t kGbaPaletteBytes = 32;

// Each 5-bit component becomes component * 8: 31 gives 248, never 255.
Palette paletteFromGba(std::span<const std::uint8_t, kGbaPaletteBytes> data);
// Keeps the top five bits of each component; bit 15 stays clear.
std::array<std::uint8_t, kGbaPaletteBytes> paletteToGba(const Palette& palette);

// The palettes a page shows before anything is loaded: black to white, and white to black.
Palette greyRamp();
Palette invertedGreyRamp();
