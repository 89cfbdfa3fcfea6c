#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Little-endian fields inside a record image, and the runs of a record that a writer owns.
namespace record_bytes {
inline std::uint16_t get16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

inline void put16(std::span<std::uint8_t> bytes, std::size_t at, std::uint16_t value)
{
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

// Bytes [offset, offset + length) of a record.
struct Run {
    std::size_t offset;
    std::size_t length;
};
} // namespace record_bytes
