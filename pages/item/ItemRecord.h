#pragma once

#include "core/CartridgePointer.h"
#include "core/SharedTables.h"

#include <cstddef>
#include <cstdint>
#include <span>

// One 40-byte item record; multi-byte values are little-endian. Bytes without a name here
// are carried through untouched.
namespace item_record {
inline constexpr std::size_t kSize = SharedTables::kItemRecordSize;

inline constexpr std::size_t kName = 0x00;
inline constexpr std::size_t kNameLength = SharedTables::kItemNameSize;
inline constexpr std::size_t kPrice = 0x0C;          // 16 bits
inline constexpr std::size_t kParameter = 0x0F;
inline constexpr std::size_t kDescription = 0x10;    // 32-bit cartridge pointer
inline constexpr std::size_t kPocket = 0x16;         // 1 to 5
inline constexpr std::size_t kBattleUsage = 0x1C;

// Where the item's description lies, as the page shows it: the pointer less the cartridge
// base, wrapping for a pointer below the base. Shown only, never used to read the file.
inline std::uint32_t descriptionOffset(std::span<const std::uint8_t> record)
{
    return cartridge::readPointer(record, kDescription) - cartridge::kBase;
}
} // namespace item_record
