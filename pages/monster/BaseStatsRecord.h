#pragma once

#include "pages/monster/RecordBytes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// One monster's base stats: 28 bytes, read and written as one block of 412. Bytes 25 to 27
// belong to the game and travel with the block untouched.
namespace base_stats_record {
inline constexpr std::size_t kCount = 412;
inline constexpr std::size_t kSize = 28;
inline constexpr std::size_t kTableSize = kCount * kSize;

inline constexpr std::size_t kHp = 0;
inline constexpr std::size_t kAttack = 1;
inline constexpr std::size_t kDefence = 2;
inline constexpr std::size_t kSpeed = 3;
inline constexpr std::size_t kSpecialAttack = 4;
inline constexpr std::size_t kSpecialDefence = 5;
inline constexpr std::size_t kType1 = 6;
inline constexpr std::size_t kType2 = 7;
inline constexpr std::size_t kCatchRate = 8;
inline constexpr std::size_t kBaseExperience = 9;
inline constexpr std::size_t kEffortYield = 10; // u16: six 2-bit fields, HP first
inline constexpr std::size_t kCommonItem = 12;  // u16
inline constexpr std::size_t kRareItem = 14;    // u16
inline constexpr std::size_t kGender = 16;
inline constexpr std::size_t kEggCycles = 17; // steps / 256
inline constexpr std::size_t kFriendship = 18;
inline constexpr std::size_t kGrowthRate = 19;
inline constexpr std::size_t kEggGroup1 = 20;
inline constexpr std::size_t kEggGroup2 = 21;
inline constexpr std::size_t kAbility1 = 22;
inline constexpr std::size_t kAbility2 = 23;
inline constexpr std::size_t kFleeRate = 24; // only the FR games use it

inline constexpr std::size_t kEffortFieldCount = 6;
using EffortYield = std::array<std::uint8_t, kEffortFieldCount>;

using Record = std::span<std::uint8_t, kSize>;
using ConstRecord = std::span<const std::uint8_t, kSize>;

// HP, attack, defence, speed, special attack, special defence.
inline EffortYield effortYield(ConstRecord record)
{
    const std::uint16_t packed = little_endian::get16(record, kEffortYield);
    EffortYield fields{};
    for (std::size_t i = 0; i < kEffortFieldCount; ++i)
        fields[i] = static_cast<std::uint8_t>(packed >> (2 * i) & 3);
    return fields;
}

// A field above 3 keeps its low two bits rather than spilling into its neighbour; bits 12
// to 15 become 0.
inline void setEffortYield(Record record, const EffortYield& fields)
{
    std::uint16_t packed = 0;
    for (std::size_t i = 0; i < kEffortFieldCount; ++i)
        packed = static_cast<std::uint16_t>(packed | (fields[i] & 3) << (2 * i));
    little_endian::set16(record, kEffortYield, packed);
}
} // namespace base_stats_record
