#pragma once

#include <cstddef>
#include <cstdint>

// The type chart: a cartridge pointer at a configured place leads to a list of 3-byte entries
// that two end bytes in a row close.
namespace type_chart {
inline constexpr std::size_t kEntrySize = 3;
inline constexpr std::size_t kAttacker = 0;
inline constexpr std::size_t kDefender = 1;
inline constexpr std::size_t kMultiplier = 2;

// The multipliers a chart may hold: no effect, half, double.
inline constexpr std::uint8_t kMultiplierValues[] = {0, 5, 20};

inline constexpr std::uint8_t kEndByte = 0xFE;
inline constexpr std::size_t kEndLength = 2;
} // namespace type_chart
