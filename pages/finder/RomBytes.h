#pragma once

#include "core/CartridgePointer.h"
#include "pages/finder/TableShapes.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>

// Quick looks at the bytes of a ROM held whole in memory, for the finder's scans.
namespace rom_bytes {

// The top byte of a cartridge pointer into a file of up to 32 MiB: 0x08 or 0x09. A scan
// looks at it first; most bytes are neither.
inline bool pointerTopAt(std::span<const std::uint8_t> rom, std::size_t at)
{
    return at + cartridge::kPointerSize <= rom.size() && (rom[at + 3] & 0xFE) == 0x08;
}

// Where the cartridge pointer at `at` leads inside the file; the top byte is looked at first.
inline std::optional<std::size_t> targetAt(std::span<const std::uint8_t> rom, std::size_t at)
{
    if (!pointerTopAt(rom, at))
        return std::nullopt;
    return table_shape::pointerTarget(cartridge::readPointer(rom, at), rom.size());
}

// Whether a game text at `at` ends (0xFF) within limit bytes.
inline bool textEndsWithin(std::span<const std::uint8_t> rom, std::size_t at, std::size_t limit)
{
    if (at >= rom.size())
        return false;
    const std::size_t length = rom.size() - at < limit ? rom.size() - at : limit;
    return std::memchr(rom.data() + at, 0xFF, length) != nullptr;
}

} // namespace rom_bytes
