#pragma once

#include "core/CartridgePointer.h"
#include "core/LittleEndian.h"

#include <cstddef>
#include <cstdint>
#include <span>

// One trainer of the trainer table: 32 bytes, little-endian. Bytes 0x13, 0x15 to 0x17 and
// 0x19 to 0x1B belong to the game and are never changed.
namespace trainer_record {
inline constexpr std::size_t kSize = 32;

inline constexpr std::size_t kDataType = 0x00;
inline constexpr std::size_t kTrainerClass = 0x01;
inline constexpr std::size_t kBattleSound = 0x02;
inline constexpr std::size_t kPicture = 0x03;
inline constexpr std::size_t kName = 0x04;
inline constexpr std::size_t kNameSize = 6;
inline constexpr std::size_t kItems = 0x0A; // four u16 item numbers
inline constexpr std::size_t kItemCount = 4;
inline constexpr std::size_t kDoubleBattle = 0x12;
inline constexpr std::size_t kBattleChecks = 0x14; // bits 0 to 3
inline constexpr std::size_t kPartyCount = 0x18;
// A cartridge pointer; its low three bytes are the party's ROM offset, the top byte is kept.
inline constexpr std::size_t kPartyPointer = 0x1C;

inline constexpr std::uint8_t kBattleCheckBits = 0x0F;
// The most members a party can have, and the most the page stores.
inline constexpr std::size_t kMaxPartyCount = 6;

inline std::uint8_t dataType(std::span<const std::uint8_t, kSize> record)
{
    return record[kDataType];
}

inline std::uint8_t partyCount(std::span<const std::uint8_t, kSize> record)
{
    return record[kPartyCount];
}

inline std::uint32_t partyOffset(std::span<const std::uint8_t, kSize> record)
{
    return cartridge::offsetFromLowBytes(cartridge::readPointer(record, kPartyPointer));
}

inline void setPartyOffset(std::span<std::uint8_t, kSize> record, std::uint32_t offset)
{
    cartridge::writeLowBytes(record, kPartyPointer, offset);
}

inline std::uint16_t item(std::span<const std::uint8_t, kSize> record, std::size_t index)
{
    return little_endian::get16(record, kItems + 2 * index);
}

inline void setItem(std::span<std::uint8_t, kSize> record, std::size_t index, std::uint16_t value)
{
    little_endian::set16(record, kItems + 2 * index, value);
}
} // namespace trainer_record
