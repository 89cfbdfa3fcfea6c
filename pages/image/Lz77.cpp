#include "pages/image/Lz77.h"

#include "core/LittleEndian.h"

#include <array>
#include <optional>

namespace lz77 {

namespace {

struct Match {
    std::size_t length;
    std::size_t distance;
};

// The encoder looks only two, three and four bytes back, taking the first that repeats at
// least three bytes: narrow, but it is what fixes the output byte for byte. Nothing reaches
// before the input, so the first two bytes are always literals.
std::optional<Match> FindMatch(std::span<const std::uint8_t> input, std::size_t& position, bool literalsOnly)
{
    if (literalsOnly)
        return std::nullopt;
    for (std::size_t distance = 2; distance <= 4 && distance <= position; ++distance) {
        std::size_t length = 0;
        while (length < kMaxMatch && position + length < input.size()
               && input[position - distance + length] == input[position + length])
            ++length;
        if (length >= kMinMatch) {
            position += length;
            return Match{length, distance};
        }
    }
    return std::nullopt;
}

DecompressResult malformed()
{
    return {DecompressStatus::Malformed, 0, 0, 0};
}

} // namespace

DecompressResult Decompress(std::span<const std::uint8_t> source, std::span<std::uint8_t> output)
{
    if (source.empty())
        return {DecompressStatus::NoSource, 0, 0, 0};
    if (source[0] != kTypeMarker)
        return {DecompressStatus::NotCompressed, 0, 0, 0};
    if (source.size() < kHeaderSize)
        return malformed();
    const std::size_t size = little_endian::get24(source, kSizeField);
    if (size == 0)
        return {DecompressStatus::Done, 0, kHeaderSize, kHeaderSize};
    if (size > output.size())
        return malformed();

    std::size_t in = kHeaderSize;
    std::size_t out = 0;
    while (true) {
        if (in >= source.size())
            return malformed();
        const std::uint8_t flag = source[in++];
        for (std::size_t slot = 0; slot < kItemsPerBlock; ++slot) {
            const std::size_t slotsAfter = kItemsPerBlock - 1 - slot;
            if (flag & (0x80 >> slot)) {
                if (source.size() - in < 2)
                    return malformed();
                const std::uint8_t b0 = source[in];
                const std::uint8_t b1 = source[in + 1];
                in += 2;
                const std::size_t length = (b0 >> 4) + kMinMatch;
                const std::size_t distance = (std::size_t{b0 & 0x0Fu} << 8 | b1) + 1;
                if (distance > out)
                    return malformed();
                for (std::size_t k = 0; k < length; ++k) {
                    output[out] = output[out - distance];
                    if (++out == size)
                        return {DecompressStatus::Done, out, in + slotsAfter, in};
                }
            } else {
                if (in >= source.size())
                    return malformed();
                output[out++] = source[in++];
                if (out == size)
                    return {DecompressStatus::Done, out, in + slotsAfter, in};
            }
        }
    }
}

std::size_t Compress(std::span<const std::uint8_t> input, std::span<std::uint8_t> output, bool literalsOnly)
{
    const std::size_t n = input.size();
    if (n > kLargestDecodedSize || output.size() < compressedBound(n))
        return 0;
    output[0] = kTypeMarker;
    little_endian::set24(output, kSizeField, static_cast<std::uint32_t>(n));
    std::size_t out = kHeaderSize;

    std::size_t position = 0;
    while (position < n) {
        std::uint8_t flag = 0;
        std::array<std::uint8_t, 2 * kItemsPerBlock> items{};
        std::size_t itemBytes = 0;
        for (std::size_t slot = 0; slot < kItemsPerBlock; ++slot) {
            if (position >= n) {
                items[itemBytes++] = 0x00;
                continue;
            }
            if (std::optional<Match> match = FindMatch(input, position, literalsOnly)) {
                flag = static_cast<std::uint8_t>(flag | (0x80 >> slot));
                const std::size_t field = match->distance - 1;
                items[itemBytes++] = static_cast<std::uint8_t>((match->length - kMinMatch) << 4 | field >> 8);
                items[itemBytes++] = static_cast<std::uint8_t>(field & 0xFF);
            } else {
                items[itemBytes++] = input[position++];
            }
        }
        output[out++] = flag;
        for (std::size_t i = 0; i < itemBytes; ++i)
            output[out++] = items[i];
    }
    return out;
}

} // namespace lz77
