#pragma once

#include <cstddef>

// The move table: one 12-byte record per move number, record 0 included, all single bytes.
namespace move_record {
inline constexpr std::size_t kCount = 355;
inline constexpr std::size_t kSize = 12;
inline constexpr std::size_t kTableSize = kCount * kSize;

inline constexpr std::size_t kEffect = 0x00;
inline constexpr std::size_t kPower = 0x01;
inline constexpr std::size_t kType = 0x02;
inline constexpr std::size_t kAccuracy = 0x03;
inline constexpr std::size_t kPp = 0x04;
inline constexpr std::size_t kEffectChance = 0x05;
// Six bytes the editor shows and stores raw, without a meaning of their own.
inline constexpr std::size_t kRawBytes = 0x06;
} // namespace move_record
