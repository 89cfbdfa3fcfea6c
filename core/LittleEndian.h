#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Little-endian values inside byte buffers (records, tables, file headers). A value that does
// not fit between the offset and the end of the buffer is never touched: a read gives 0 and a
// write changes nothing and returns false.
namespace little_endian {

// Whether width bytes from at lie inside a buffer of bufferSize bytes.
inline bool fits(std::size_t bufferSize, std::size_t at, std::size_t width)
{
    return at <= bufferSize && bufferSize - at >= width;
}

// width bytes (1 to 4) as an unsigned value.
inline std::uint32_t getN(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t width)
{
    if (!fits(bytes.size(), at, width))
        return 0;
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;)
        value = value << 8 | bytes[at + i];
    return value;
}

inline bool setN(std::span<std::uint8_t> bytes, std::size_t at, std::size_t width, std::uint32_t value)
{
    if (!fits(bytes.size(), at, width))
        return false;
    for (std::size_t i = 0; i < width; ++i, value >>= 8)
        bytes[at + i] = static_cast<std::uint8_t>(value);
    return true;
}

inline std::uint16_t get16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(getN(bytes, at, 2));
}

// Three bytes: the part of a cartridge pointer that some records keep.
inline std::uint32_t get24(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return getN(bytes, at, 3);
}

inline std::uint32_t get32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return getN(bytes, at, 4);
}

inline bool set16(std::span<std::uint8_t> bytes, std::size_t at, std::uint16_t value)
{
    return setN(bytes, at, 2, value);
}

// The low 24 bits of the value.
inline bool set24(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value)
{
    return setN(bytes, at, 3, value);
}

inline bool set32(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value)
{
    return setN(bytes, at, 4, value);
}

} // namespace little_endian
