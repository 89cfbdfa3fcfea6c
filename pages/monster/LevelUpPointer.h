#pragma once

#include "core/CartridgePointer.h"

#include <cstddef>
#include <cstdint>
#include <span>

// One 4-byte cartridge pointer per monster to its level-up move list: its low three bytes
// are the file offset; byte 3 (the 0x08) is left alone.
namespace level_up_pointer {
inline constexpr std::size_t kCount = 412;
inline constexpr std::size_t kSize = 4;

inline std::uint32_t fileOffset(std::span<const std::uint8_t, kSize> pointer)
{
    return cartridge::offsetFromLowBytes(cartridge::readPointer(pointer, 0));
}
} // namespace level_up_pointer
