#pragma once

#include "core/SharedTables.h"

#include <cstddef>
#include <cstdint>
#include <span>

// One 40-byte item record; multi-byte values are little-endian. Bytes without a name here
// are carried through untouched.
namespace item_record {
inline constexpr std::size_t kSize = SharedTables::kItemRecordSize;

inline constexpr std::size_t kName = 0x00;
inline constexpr std::size_t kNameLength = 9;
inline constexpr std::size_t kPrice = 0x0C;          // 16 bits
inline constexpr std::size_t kParameter = 0x0F;
inline constexpr std::size_t kDescription = 0x10;    // 32-bit cartridge pointer
inline constexpr std::size_t kPocket = 0x16;         // 1 to 5
inline constexpr std::size_t kBattleUsage = 0x1C;

inline constexpr std::uint32_t kCartridgeBase = 0x08000000;

inline std::uint16_t price(std::span<const std::uint8_t> record)
{
    return static_cast<std::uint16_t>(record[kPrice] | record[kPrice + 1] << 8);
}

// A typed price keeps its low 16 bits, as the field does.
inline void setPrice(std::span<std::uint8_t> record, std::int32_t typed)
{
    const auto value = static_cast<std::uint32_t>(typed);
    record[kPrice] = static_cast<std::uint8_t>(value);
    record[kPrice + 1] = static_cast<std::uint8_t>(value >> 8);
}

// The ROM offset of the item's description: its pointer less the cartridge base.
inline std::uint32_t descriptionOffset(std::span<const std::uint8_t> record)
{
    const std::uint32_t pointer = record[kDescription] | record[kDescription + 1] << 8 |
                                  record[kDescription + 2] << 16 |
                                  static_cast<std::uint32_t>(record[kDescription + 3]) << 24;
    return pointer - kCartridgeBase;
}
} // namespace item_record
