#pragma once

#include "core/LittleEndian.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>

// A cartridge pointer is a ROM offset plus the base at which the cartridge is mapped. Pages
// read a pointer back into a file offset by one of three rules, and write either the whole
// pointer or only its low three bytes (leaving the top byte, normally 0x08, as it is).
namespace cartridge {

inline constexpr std::uint32_t kBase = 0x08000000;
inline constexpr std::uint32_t kLowBytesMask = 0x00FFFFFF;
// Bit 27: the base's only bit.
inline constexpr std::uint32_t kBaseBit = 0x08000000;
inline constexpr std::size_t kPointerSize = 4;
inline constexpr std::size_t kLowBytesSize = 3;

// The monster page's rule: the low 24 bits are the offset.
constexpr std::uint32_t offsetFromLowBytes(std::uint32_t pointer)
{
    return pointer & kLowBytesMask;
}

// The image page's rule: the pointer with bit 27 cleared.
constexpr std::uint32_t offsetWithoutBaseBit(std::uint32_t pointer)
{
    return pointer & ~kBaseBit;
}

// The rule of the pages that subtract the base (the type chart and others). A pointer below
// the base, or one that would give an offset beyond the signed 32-bit ROM offsets, has no
// offset: std::nullopt, never a negative number that a seek might take from the end.
constexpr std::optional<std::int32_t> offsetBySubtracting(std::uint32_t pointer)
{
    if (pointer < kBase || pointer - kBase > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(pointer - kBase);
}

// The pointer value that leads to a file offset.
constexpr std::uint32_t pointerTo(std::uint32_t offset)
{
    return offset + kBase;
}

// A pointer stored in a buffer, as it stands.
inline std::uint32_t readPointer(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return little_endian::get32(bytes, at);
}

// Stores the whole pointer to offset: four bytes.
inline bool writePointer(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t offset)
{
    return little_endian::set32(bytes, at, pointerTo(offset));
}

// Stores the offset's low 24 bits in the pointer's low three bytes; the top byte is kept.
inline bool writeLowBytes(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t offset)
{
    return little_endian::set24(bytes, at, offset & kLowBytesMask);
}

} // namespace cartridge
