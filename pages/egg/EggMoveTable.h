#pragma once

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

// index below wordCount(table).
inline std::uint16_t word(std::span<const std::uint8_t> table, std::size_t index)
{
    return static_cast<std::uint16_t>(table[index * kWordSize] | table[index * kWordSize + 1] << 8);
}

inline void setWord(std::span<std::uint8_t> table, std::size_t index, std::uint16_t value)
{
    table[index * kWordSize] = static_cast<std::uint8_t>(value);
    table[index * kWordSize + 1] = static_cast<std::uint8_t>(value >> 8);
}
} // namespace egg_table
