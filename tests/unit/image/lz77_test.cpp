#include "pages/image/Lz77.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using Bytes = std::vector<std::uint8_t>;
using lz77::DecompressStatus;

namespace {

Bytes compress(const Bytes& input, bool literalsOnly = false)
{
    Bytes out(lz77::compressedBound(input.size()));
    out.resize(lz77::Compress(input, out, literalsOnly));
    return out;
}

Bytes cycle(Bytes values, std::size_t length)
{
    Bytes bytes(length);
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = values[i % values.size()];
    return bytes;
}

} // namespace

TEST(Lz77, EncoderOutputIsExact)
{
    const std::vector<std::pair<Bytes, Bytes>> streams = {
        {Bytes(32, 0), {0x10, 0x20, 0, 0, 0x30, 0, 0, 0xF0, 0x01, 0x90, 0x01, 0, 0, 0, 0}},
        {cycle({1, 2, 3}, 24), {0x10, 0x18, 0, 0, 0x18, 1, 2, 3, 0xF0, 0x02, 0x00, 0x02, 0, 0, 0}},
        {Bytes(16, 1), {0x10, 0x10, 0, 0, 0x20, 1, 1, 0xB0, 0x01, 0, 0, 0, 0, 0}}, // two back, never one back
        {cycle({1, 2, 3, 4}, 16), {0x10, 0x10, 0, 0, 0x08, 1, 2, 3, 4, 0x90, 0x03, 0, 0, 0}},
        {cycle({1, 2, 3, 4, 5}, 8), {0x10, 0x08, 0, 0, 0x00, 1, 2, 3, 4, 5, 1, 2, 3}},
        {{}, {0x10, 0, 0, 0}},
    };
    for (const auto& [input, stream] : streams)
        EXPECT_EQ(compress(input), stream) << input.size();

    Bytes literals = compress(Bytes(32, 0), true);
    EXPECT_EQ(literals.size(), 40u);
    EXPECT_EQ(literals[13], 0x00);
    EXPECT_EQ(compress(Bytes(2048, 0x77), true).size(), 2308u);

    Bytes tooSmall(lz77::compressedBound(64) - 1);
    EXPECT_EQ(lz77::Compress(Bytes(64, 0), tooSmall, false), 0u);
}

TEST(Lz77, DecoderCountsAndStops)
{
    struct Case {
        Bytes stream;
        Bytes output;
        std::size_t consumed;
        std::size_t end;
    };
    const std::vector<Case> cases = {
        {{0x10, 0x20, 0, 0, 0x30, 0, 0, 0xF0, 0x01, 0x90, 0x01, 0, 0, 0, 0}, Bytes(32, 0), 15, 11},
        {{0x10, 0, 0, 0}, {}, 4, 4},
        // Ends inside a reference.
        {{0x10, 0x05, 0, 0, 0x40, 0xAA, 0xF0, 0x00}, Bytes(5, 0xAA), 14, 8},
        // An unpadded last block counts its unused slots; its true end is where it stops.
        {{0x10, 0x03, 0, 0, 0x00, 1, 2, 3}, {1, 2, 3}, 13, 8},
    };
    for (const Case& c : cases) {
        Bytes out(40, 0xEE);
        auto result = lz77::Decompress(c.stream, out);
        EXPECT_EQ(result.status, DecompressStatus::Done);
        EXPECT_EQ(result.consumed, c.consumed);
        EXPECT_EQ(result.end, c.end);
        ASSERT_EQ(result.produced, c.output.size());
        EXPECT_EQ(Bytes(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(c.output.size())), c.output);
        EXPECT_EQ(out[c.output.size()], 0xEE);
    }
}

TEST(Lz77, DecoderRejectsUnsafeStreams)
{
    Bytes out(8);
    EXPECT_EQ(lz77::Decompress({}, out).status, DecompressStatus::NoSource);
    EXPECT_EQ(lz77::Decompress(Bytes{0x11, 8, 0, 0}, out).status, DecompressStatus::NotCompressed);
    const std::vector<Bytes> malformed = {
        {0x10, 0x08},                                    // header cut short
        {0x10, 0x09, 0, 0, 0x00, 1, 2, 3, 4, 5, 6, 7, 8, 0x00, 9}, // larger than the output
        {0x10, 0x08, 0, 0},                              // no block
        {0x10, 0x04, 0, 0, 0x00, 1, 2},                  // literals run out
        {0x10, 0x08, 0, 0, 0x40, 1, 0xF0},               // reference cut in half
        {0x10, 0x08, 0, 0, 0x80, 0, 0},                  // reference before any output
        {0x10, 0x08, 0, 0, 0x40, 1, 0x0F, 0xFF},         // 4096 back after one byte
    };
    for (const Bytes& stream : malformed)
        EXPECT_EQ(lz77::Decompress(stream, out).status, DecompressStatus::Malformed) << stream.size();

    std::mt19937 random(7);
    Bytes input(2048);
    for (std::size_t i = 0; i < input.size(); ++i)
        input[i] = static_cast<std::uint8_t>(random() % 3 ? input[i >= 3 ? i - 3 : 0] : random());
    Bytes stream = compress(input);
    Bytes decoded(8192);
    auto result = lz77::Decompress(stream, decoded);
    EXPECT_EQ(result.consumed, stream.size());
    EXPECT_EQ(Bytes(decoded.begin(), decoded.begin() + 2048), input);
    // Only the padding of the last block, at most seven bytes, may be cut off.
    for (std::size_t cut = 1; cut + 7 < stream.size(); cut += 5)
        EXPECT_EQ(lz77::Decompress(std::span(stream).first(cut), decoded).status, DecompressStatus::Malformed);

    for (int round = 0; round < 500; ++round) {
        Bytes noise(4 + random() % 200);
        for (auto& b : noise)
            b = static_cast<std::uint8_t>(random());
        noise[0] = 0x10;
        noise[3] = 0;
        Bytes small(random() % 300);
        lz77::Decompress(noise, small);
    }
}
