#pragma once

#include "pages/monster/RecordBytes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// Five 8-byte evolution records per monster. Bytes 1, 6 and 7 of a record belong to the
// game: they are neither read nor written.
namespace evolution_record {
inline constexpr std::size_t kSlotCount = 5;
inline constexpr std::size_t kSize = 8;
inline constexpr std::size_t kMonsterSize = kSlotCount * kSize;

inline constexpr std::size_t kMethod = 0;    // u8, 0 = no evolution
inline constexpr std::size_t kParameter = 2; // u16: a level, an item number or 0
inline constexpr std::size_t kTarget = 4;    // u16: monster index

// What a write puts into each record: the method, then parameter and target.
inline constexpr std::array<record_bytes::Run, 2> kWrittenRuns = {{{kMethod, 1}, {kParameter, 4}}};
} // namespace evolution_record

// One monster's five evolution records as the page keeps them.
struct EvolutionEntry {
    std::array<std::uint8_t, evolution_record::kSlotCount> methods{};
    std::array<std::uint16_t, evolution_record::kSlotCount> parameters{};
    std::array<std::uint16_t, evolution_record::kSlotCount> targets{};
};

namespace evolution_record {
EvolutionEntry decode(std::span<const std::uint8_t, kMonsterSize> records);
// Fills the written runs of the five records; the game's bytes are left as they are.
void encode(const EvolutionEntry& entry, std::span<std::uint8_t, kMonsterSize> records);
} // namespace evolution_record
