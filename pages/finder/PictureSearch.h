#pragma once

#include "pages/finder/TableSearch.h"

#include <cstddef>
#include <cstdint>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The image page's four pointer tables: two lead to LZ77 pictures, two to LZ77 palettes,
// all with one count. Which of two alike tables holds the front pictures (or the normal
// palettes) no shape tells: the earlier one in the file is taken, and the outcome says so.
struct PictureTables {
    // Front pictures, normal palettes, back pictures, shiny palettes: the keys' order.
    std::optional<std::array<std::size_t, 4>> offsets;
    std::size_t count = 0;
    std::string evidence;
};

class PointerIndex;

PictureTables findPictureTables(std::span<const std::uint8_t> rom, const PointerIndex& pointers,
                                const std::vector<ByteSpan>& taken);
