#pragma once

#include "core/LittleEndian.h"

#include <cstddef>
#include <cstdint>
#include <span>

// The egg move table: little-endian 16-bit words. A word above kMarkerBase introduces monster
// (word - kMarkerBase); the words after it, up to the next marker, are that monster's moves.
// Words before the first marker belong to no monster. No word ends the table: its length is
// the configured word count.
namespace egg_table {
inline constexpr std::size_t kWordSize = 2;
inline constexpr std::uint16_t kMarkerBase = 20000;

inline constexpr bool isMarker(std::uint16_t word) { return word > kMarkerBase; }
inline constexpr std::uint16_t monsterOf(std::uint16_t marker)
{
    return static_cast<std::uint16_t>(marker - kMarkerBase);
}

inline std::size_t wordCount(std::span<const std::uint8_t> table) { return table.size() / kWordSize; }

// A word beyond the table reads as 0 and is not written.
inline std::uint16_t word(std::span<const std::uint8_t> table, std::size_t index)
{
    return little_endian::get16(table, index * kWordSize);
}

inline void setWord(std::span<std::uint8_t> table, std::size_t index, std::uint16_t value)
{
    little_endian::set16(table, index * kWordSize, value);
}
} // namespace egg_table
