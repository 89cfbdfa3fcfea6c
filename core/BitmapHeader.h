#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// The headers at the start of a Windows bitmap file: the 14-byte file header, then an
// information header that begins with its own size: 12 bytes (the old core header, with 16-bit
// sizes) or 40 bytes and more (signed 32-bit sizes, compression, colour count...). Offsets are
// from the file's start; values are little-endian.
namespace bitmap_header {
inline constexpr std::uint16_t kTypeBM = 0x4D42; // "BM"
inline constexpr std::size_t kType = 0;
inline constexpr std::size_t kFileSize = 2;
inline constexpr std::size_t kPixelDataOffset = 10;
inline constexpr std::size_t kFileHeaderSize = 14;

inline constexpr std::size_t kInfoSize = 14;
inline constexpr std::uint32_t kCoreHeaderSize = 12;
inline constexpr std::uint32_t kInfoHeaderSize = 40;

inline constexpr std::size_t kWidth = 18;
inline constexpr std::size_t kHeight = 22;
inline constexpr std::size_t kPlanes = 26;
inline constexpr std::size_t kBitsPerPixel = 28;
inline constexpr std::size_t kCompression = 30;
inline constexpr std::size_t kImageSize = 34;
inline constexpr std::size_t kColoursUsed = 46;

inline constexpr std::size_t kCoreWidth = 18;
inline constexpr std::size_t kCoreHeight = 20;
inline constexpr std::size_t kCorePlanes = 22;
inline constexpr std::size_t kCoreBitsPerPixel = 24;

inline constexpr std::uint32_t kCompressionRgb = 0;
inline constexpr std::uint32_t kCompressionBitfields = 3;
} // namespace bitmap_header

struct BitmapHeader {
    std::uint16_t type = 0;
    std::uint32_t pixelDataOffset = 0;
    std::uint32_t headerSize = 0;
    // Whether the fields below were read: a core header, or one of at least 40 bytes, whose
    // fields lie inside the bytes given. A core header has no compression and no colour count.
    bool hasInfo = false;
    // Negative height: the rows are stored top row first.
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t planes = 0;
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t compression = bitmap_header::kCompressionRgb;
    std::uint32_t imageSize = 0;
    std::uint32_t coloursUsed = 0;
};

// Nothing when the bytes end before the information header's size.
std::optional<BitmapHeader> readBitmapHeader(std::span<const std::uint8_t> file);
