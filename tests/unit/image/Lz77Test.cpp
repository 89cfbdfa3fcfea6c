#include "pages/image/Lz77.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes compress(const Bytes& input, bool literalsOnly = false)
{
    Bytes out(lz77::compressedBound(input.size()));
    out.resize(lz77::Compress(input, out, literalsOnly));
    return out;
}

Bytes cycle(std::initializer_list<std::uint8_t> values, std::size_t length)
{
    Bytes bytes;
    while (bytes.size() < length)
        for (std::uint8_t v : values)
            if (bytes.size() < length)
                bytes.push_back(v);
    return bytes;
}

lz77::DecompressResult decode(const Bytes& stream, Bytes& out)
{
    return lz77::Decompress(stream, out);
}

} // namespace

TEST(Lz77Encoder, ProducesTheExactStreams)
{
    EXPECT_EQ(compress(Bytes(32, 0)),
              (Bytes{0x10, 0x20, 0x00, 0x00, 0x30, 0x00, 0x00, 0xF0, 0x01, 0x90, 0x01, 0x00, 0x00, 0x00, 0x00}));
    // Three literals, then references three back.
    EXPECT_EQ(compress(cycle({1, 2, 3}, 24)),
              (Bytes{0x10, 0x18, 0x00, 0x00, 0x18, 0x01, 0x02, 0x03, 0xF0, 0x02, 0x00, 0x02, 0x00, 0x00, 0x00}));
    // A run repeats two back, never one back.
    EXPECT_EQ(compress(Bytes(16, 1)),
              (Bytes{0x10, 0x10, 0x00, 0x00, 0x20, 0x01, 0x01, 0xB0, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(compress(cycle({1, 2, 3, 4}, 16)),
              (Bytes{0x10, 0x10, 0x00, 0x00, 0x08, 0x01, 0x02, 0x03, 0x04, 0x90, 0x03, 0x00, 0x00, 0x00}));
    // Nothing repeats within four bytes.
    EXPECT_EQ(compress(cycle({1, 2, 3, 4, 5}, 8)),
              (Bytes{0x10, 0x08, 0x00, 0x00, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x01, 0x02, 0x03}));
    EXPECT_EQ(compress({}), (Bytes{0x10, 0x00, 0x00, 0x00}));
}

TEST(Lz77Encoder, LiteralsOnlyOption)
{
    Bytes palette = compress(Bytes(32, 0), true);
    ASSERT_EQ(palette.size(), 40u);
    EXPECT_EQ(Bytes(palette.begin(), palette.begin() + 5), (Bytes{0x10, 0x20, 0x00, 0x00, 0x00}));
    EXPECT_EQ(palette[13], 0x00);
    EXPECT_EQ(compress(Bytes(2048, 0x77), true).size(), 2308u);

    Bytes decoded(32, 0xEE);
    ASSERT_EQ(lz77::Decompress(palette, decoded).consumed, 40u);
    EXPECT_EQ(decoded, Bytes(32, 0));
}

TEST(Lz77Encoder, RefusesTooSmallOutput)
{
    Bytes input(64, 0);
    Bytes out(lz77::compressedBound(64) - 1);
    EXPECT_EQ(lz77::Compress(input, out, false), 0u);
}

TEST(Lz77Decoder, WorkedExamples)
{
    Bytes out(64, 0xEE);
    auto result = decode({0x10, 0x20, 0x00, 0x00, 0x30, 0x00, 0x00, 0xF0, 0x01, 0x90, 0x01, 0x00, 0x00, 0x00, 0x00}, out);
    EXPECT_EQ(result.status, lz77::DecompressStatus::Done);
    EXPECT_EQ(result.produced, 32u);
    EXPECT_EQ(result.consumed, 15u);
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 33), [] { Bytes b(32, 0); b.push_back(0xEE); return b; }());

    result = decode({0x10, 0x00, 0x00, 0x00}, out);
    EXPECT_EQ(result.status, lz77::DecompressStatus::Done);
    EXPECT_EQ(result.produced, 0u);
    EXPECT_EQ(result.consumed, 4u);

    // Stops inside a reference, exactly at the declared size.
    out.assign(8, 0xEE);
    result = decode({0x10, 0x05, 0x00, 0x00, 0x40, 0xAA, 0xF0, 0x00}, out);
    EXPECT_EQ(result.produced, 5u);
    EXPECT_EQ(result.consumed, 14u);
    EXPECT_EQ(out, (Bytes{0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xEE, 0xEE, 0xEE}));

    // An unpadded last block counts its unused slots.
    result = decode({0x10, 0x03, 0x00, 0x00, 0x00, 0x01, 0x02, 0x03}, out);
    EXPECT_EQ(result.produced, 3u);
    EXPECT_EQ(result.consumed, 13u);
}

TEST(Lz77Decoder, RejectsWhatItCannotDecodeSafely)
{
    using lz77::DecompressStatus;
    Bytes out(8, 0xEE);
    EXPECT_EQ(decode({}, out).status, DecompressStatus::NoSource);
    EXPECT_EQ(decode({0x11, 0x08, 0x00, 0x00}, out).status, DecompressStatus::NotCompressed);

    const std::vector<Bytes> malformed = {
        {0x10, 0x08},                                    // header cut short
        {0x10, 0x09, 0x00, 0x00, 0x00, 1, 2, 3, 4, 5, 6, 7, 8, 0x00, 9}, // larger than the output
        {0x10, 0x08, 0x00, 0x00},                        // no block
        {0x10, 0x04, 0x00, 0x00, 0x00, 0x01, 0x02},      // literals run out
        {0x10, 0x08, 0x00, 0x00, 0x40, 0x01, 0xF0},      // reference cut in half
        {0x10, 0x08, 0x00, 0x00, 0x80, 0x00, 0x00},      // reference before any output
        {0x10, 0x08, 0x00, 0x00, 0x40, 0x01, 0xF0, 0x01}, // reference two back after one byte
        {0x10, 0x08, 0x00, 0x00, 0x40, 0x01, 0x0F, 0xFF}, // reference 4096 back
    };
    for (const Bytes& stream : malformed) {
        out.assign(8, 0xEE);
        EXPECT_EQ(decode(stream, out).status, DecompressStatus::Malformed) << stream.size();
    }

    Bytes big(8192);
    EXPECT_EQ(lz77::Decompress(Bytes{0x10, 0x01, 0x20, 0x00, 0x00}, big).status, DecompressStatus::Malformed);
}

TEST(Lz77Decoder, RoundTripsAndSurvivesTruncationAndNoise)
{
    std::mt19937 random(7);
    Bytes input(2048);
    for (std::size_t i = 0; i < input.size(); ++i)
        input[i] = static_cast<std::uint8_t>(random() % 3 == 0 ? random() : input[i >= 3 ? i - 3 : 0]);
    Bytes stream = compress(input);
    Bytes out(8192);
    auto result = lz77::Decompress(stream, out);
    ASSERT_EQ(result.status, lz77::DecompressStatus::Done);
    EXPECT_EQ(result.consumed, stream.size());
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 2048), input);

    // Only the padding of the last block, at most seven bytes, may be cut off.
    for (std::size_t cut = 1; cut + 7 < stream.size(); cut += 7)
        EXPECT_EQ(lz77::Decompress(std::span(stream).first(cut), out).status, lz77::DecompressStatus::Malformed);

    for (int round = 0; round < 500; ++round) {
        Bytes noise(4 + random() % 200);
        for (auto& b : noise)
            b = static_cast<std::uint8_t>(random());
        noise[0] = 0x10;
        noise[3] = 0;
        Bytes small(random() % 300);
        auto r = lz77::Decompress(noise, small);
        if (r.status == lz77::DecompressStatus::Done) {
            EXPECT_LE(r.produced, small.size());
        }
    }
}
