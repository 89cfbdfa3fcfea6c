#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The cartridge's LZ77 stream: a header of the type marker and the 24-bit decoded size,
// then blocks of one flag byte and eight items. A clear flag bit (from bit 7 down) is a
// literal byte; a set bit is a two-byte back-reference of 3 to 18 bytes, 1 to 4096 back.
namespace lz77 {

inline constexpr std::uint8_t kTypeMarker = 0x10;
inline constexpr std::size_t kHeaderSize = 4;
// The decoded size: three little-endian bytes after the type marker.
inline constexpr std::size_t kSizeField = 1;
inline constexpr std::size_t kItemsPerBlock = 8;
inline constexpr std::size_t kMinMatch = 3;
inline constexpr std::size_t kMaxMatch = 18;
inline constexpr std::size_t kLargestDecodedSize = 0xFFFFFF;

// Room the encoder may need for n input bytes: every item at most one byte per input byte,
// one flag per eight input bytes, and a last block padded with up to seven empty slots.
constexpr std::size_t compressedBound(std::size_t n)
{
    return kHeaderSize + n + (n + kItemsPerBlock - 1) / kItemsPerBlock + kItemsPerBlock - 1;
}

enum class DecompressStatus {
    NoSource,      // nothing given
    NotCompressed, // the first byte is not the type marker
    Malformed,     // too large for the output, refers before its start or runs out of source
    Done,
};

struct DecompressResult {
    DecompressStatus status = DecompressStatus::NoSource;
    // Bytes written to the output: the declared size.
    std::size_t produced = 0;
    // The stream's size as the decoder counts it: every unused slot of the last block
    // counts one byte, so a padded stream of this encoder measures its own length.
    std::size_t consumed = 0;
    // Just past the last item read: the stream's true end. A stream written elsewhere may
    // stop here, up to seven bytes before consumed, with other data right after it.
    std::size_t end = 0;
};

// Never reads outside source nor writes outside output; a stream that would is Malformed.
DecompressResult Decompress(std::span<const std::uint8_t> source, std::span<std::uint8_t> output);

// Encodes the whole input; literalsOnly writes a valid stream without back-references.
// Returns the stream's size, or 0 when the input is too large for the header or the output
// is smaller than compressedBound(input.size()).
std::size_t Compress(std::span<const std::uint8_t> input, std::span<std::uint8_t> output, bool literalsOnly);

} // namespace lz77
