#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// One 4-byte cartridge pointer per monster to its level-up move list. Bytes 0 and 1 are the
// low 16 bits of the file offset, byte 2 bits 16 to 23; byte 3 (the 0x08) is left alone.
namespace level_up_pointer {
inline constexpr std::size_t kCount = 412;
inline constexpr std::size_t kSize = 4;

inline std::uint32_t fileOffset(std::span<const std::uint8_t, kSize> pointer)
{
    return pointer[0] | static_cast<std::uint32_t>(pointer[1]) << 8 | static_cast<std::uint32_t>(pointer[2]) << 16;
}
} // namespace level_up_pointer
