#include "tests/support/PortableBitmap.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Pixels = std::vector<std::uint32_t>;

// v as n little-endian bytes.
void push(Bytes& out, std::uint32_t v, int n)
{
    for (int i = 0; i < n; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

struct Header {
    std::int32_t width = 3;
    std::int32_t height = 2;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t headerSize = 40;
    std::uint32_t coloursUsed = 0;
    // Blue, green, red, 0 quads, or three masks.
    Bytes table = {};
    std::optional<std::uint32_t> pixelOffset = {};
};

// The file header, the info header (padded to its size), the table and the rows as given.
Bytes bitmap(const Header& h, const Bytes& rows)
{
    Bytes out = {'B', 'M'};
    const std::uint32_t pixels = 14 + h.headerSize + static_cast<std::uint32_t>(h.table.size());
    push(out, pixels + static_cast<std::uint32_t>(rows.size()), 4);
    push(out, 0, 4);
    push(out, h.pixelOffset.value_or(pixels), 4);
    push(out, h.headerSize, 4);
    push(out, static_cast<std::uint32_t>(h.width), 4);
    push(out, static_cast<std::uint32_t>(h.height), 4);
    push(out, 1, 2);
    push(out, h.bits, 2);
    push(out, h.compression, 4);
    out.resize(out.size() + 12, 0); // image size and resolutions
    push(out, h.coloursUsed, 4);
    out.resize(14 + h.headerSize, 0);
    out.insert(out.end(), h.table.begin(), h.table.end());
    out.insert(out.end(), rows.begin(), rows.end());
    return out;
}

// The picture every depth below holds: red, green, blue over white, black, grey.
const Pixels kPicture = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0x808080};
// Those six colours as a table, and as 8-bit indexes bottom row first.
const Bytes kTable = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0x80, 0x80, 0x80, 0};

Pixels decoded(const Bytes& file)
{
    std::optional<RgbImage> image = decodeBitmapPixels(file);
    if (!image)
        return {};
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    return image->pixels;
}

} // namespace

TEST(PortableBitmap, ReadsEveryUncompressedDepthBottomUpAndTopDown)
{
    const Bytes bgr = {0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0, 0};
    const Bytes bgrBottom = {0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80, 0x80, 0x80, 0, 0, 0};
    Bytes bottomUp = bgrBottom;
    bottomUp.insert(bottomUp.end(), bgr.begin(), bgr.end());
    EXPECT_EQ(decoded(bitmap({}, bottomUp)), kPicture);
    Bytes topDown = bgr;
    topDown.insert(topDown.end(), bgrBottom.begin(), bgrBottom.end());
    EXPECT_EQ(decoded(bitmap({.height = -2}, topDown)), kPicture);

    EXPECT_EQ(decoded(bitmap({.bits = 32, .headerSize = 124},
                             {0xFF, 0xFF, 0xFF, 0x11, 0, 0, 0, 0x22, 0x80, 0x80, 0x80, 0x33,
                              0, 0, 0xFF, 0x44, 0, 0xFF, 0, 0x55, 0xFF, 0, 0, 0x66})),
              kPicture);
    TempDir dir;
    writeBytes(dir.file("a.bmp"), bitmap({.bits = 8, .coloursUsed = 6, .table = kTable}, {3, 4, 5, 0, 0, 1, 2, 0}));
    EXPECT_EQ(loadBitmapPixels(dir.file("a.bmp")).value_or(RgbImage{}).pixels, kPicture);
    EXPECT_FALSE(loadBitmapPixels(dir.file("missing.bmp")));
    EXPECT_EQ(decoded(bitmap({.height = -2, .bits = 4, .coloursUsed = 6, .table = kTable},
                             {0x01, 0x20, 0, 0, 0x34, 0x50, 0, 0})),
              kPicture);

    // 16 bits: 5-5-5, and 5-6-5 through its masks; 5 bits widen by repeating their top bits.
    const Pixels sixteen = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0x848484};
    EXPECT_EQ(decoded(bitmap({.bits = 16}, {0xFF, 0x7F, 0, 0, 0x10, 0x42, 0, 0, 0x00, 0x7C, 0xE0, 0x03,
                                            0x1F, 0x00, 0, 0})),
              sixteen);
    EXPECT_EQ(decoded(bitmap({.height = -2, .bits = 16, .compression = 3,
                              .table = {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0}},
                             {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0, 0, 0xFF, 0xFF, 0, 0, 0x10, 0x84, 0, 0})),
              (Pixels{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0x848284}));

    // 1 bit: the most significant bit is the leftmost pixel.
    EXPECT_EQ(decoded(bitmap({.bits = 1, .table = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}},
                             {0x40, 0, 0, 0, 0xA0, 0, 0, 0})),
              (Pixels{0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0}));

    // Indexes beyond the colour table read as black.
    EXPECT_EQ(decoded(bitmap({.bits = 8, .coloursUsed = 2, .table = {0x10, 0x20, 0x30, 0, 0x40, 0x50, 0x60, 0}},
                             {0, 1, 2, 0, 255, 7, 1, 0})),
              (Pixels{0x000000, 0x000000, 0x605040, 0x302010, 0x605040, 0x000000}));
}

TEST(PortableBitmap, RefusesWhatItDoesNotReadAndNeverLooksPastTheFile)
{
    const Bytes rows(16, 0);
    const Bytes good = bitmap({.bits = 16}, rows);
    ASSERT_FALSE(decoded(good).empty());
    // Every shorter file, including the ones cut inside the pixels, is refused.
    for (std::size_t size = 0; size < good.size(); ++size) {
        const Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_FALSE(decodeBitmapPixels(cut)) << size;
    }

    const std::vector<Header> refused = {
        {.headerSize = 12}, {.headerSize = 64}, {.compression = 1}, {.bits = 4, .compression = 2},
        {.compression = 4}, {.compression = 5}, {.bits = 2},
        {.bits = 24, .compression = 3, .table = Bytes(12, 0xFF)},
        {.bits = 32, .compression = 3, .table = {0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0}},
        {.width = 0}, {.width = -3}, {.width = 4097}, {.height = 0}, {.height = -4097}, {.height = INT32_MIN},
        {.pixelOffset = 0xFFFFFFF0}, {.pixelOffset = 20},
    };
    for (std::size_t i = 0; i < refused.size(); ++i)
        EXPECT_FALSE(decodeBitmapPixels(bitmap(refused[i], Bytes(4096, 0)))) << i;

    // A colour count that asks for a table longer than the file.
    EXPECT_FALSE(decodeBitmapPixels(bitmap({.bits = 8, .coloursUsed = 0xFFFFFFFF, .table = kTable}, rows)));
    Bytes notBitmap = good;
    notBitmap[0] = 'P';
    EXPECT_FALSE(decodeBitmapPixels(notBitmap));
    Bytes twoPlanes = good;
    twoPlanes[26] = 2;
    EXPECT_FALSE(decodeBitmapPixels(twoPlanes));
}
