#pragma once

#include "core/LittleEndian.h"

#include <cstddef>

// One in-game trade: 60 bytes, little-endian. Bytes 0x06 to 0x0B, 0x15 to 0x17, 0x1A to
// 0x23, 0x2A, 0x31 to 0x37 and 0x3A to 0x3B belong to the game and are never changed.
namespace trade_record {
inline constexpr std::size_t kSize = 60;

inline constexpr std::size_t kNickname = 0x00;
inline constexpr std::size_t kNameSize = 6;
inline constexpr std::size_t kOfferedMonster = 0x0C; // u16
inline constexpr std::size_t kIndividualValues = 0x0E; // HP, attack, defence, speed, sp. attack, sp. defence
inline constexpr std::size_t kIndividualValueCount = 6;
inline constexpr std::size_t kAbilitySlot = 0x14; // 1 = second ability
inline constexpr std::size_t kParentId = 0x18; // u16
inline constexpr std::size_t kPersonality = 0x24; // u32
inline constexpr std::size_t kHeldItem = 0x28; // u16
inline constexpr std::size_t kParentName = 0x2B;
inline constexpr std::size_t kWantedMonster = 0x38; // u16

// Multi-byte fields are read and written with these.
using little_endian::get16;
using little_endian::get32;
using little_endian::set16;
using little_endian::set32;
} // namespace trade_record
