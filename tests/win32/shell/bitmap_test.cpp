// Bitmap files written byte by byte, read through the window system's loader.
#include "app/Win32Shell.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

// A 3 × 2 picture, top row first.
const std::vector<std::uint32_t> kColours = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0x123456};

void put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// BITMAPFILEHEADER, BITMAPINFOHEADER, palette, rows. Up to 8 bits the pixels are indices.
std::vector<std::uint8_t> bitmapFile(int bits, bool topDown, const std::vector<std::uint32_t>& palette,
                                     const std::vector<std::uint32_t>& pixels, int width = 3, int height = 2)
{
    const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    const std::size_t offBits = 54 + palette.size() * 4;
    std::vector<std::uint8_t> bytes(offBits + stride * height);
    put32(bytes, 0, 0x4D42); // "BM", and the size's low half is overwritten next
    put32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    put32(bytes, 10, static_cast<std::uint32_t>(offBits));
    put32(bytes, 14, 40);
    put32(bytes, 18, static_cast<std::uint32_t>(width));
    put32(bytes, 22, static_cast<std::uint32_t>(topDown ? -height : height));
    put32(bytes, 26, 1 | static_cast<std::uint32_t>(bits) << 16);
    put32(bytes, 46, static_cast<std::uint32_t>(palette.size()));
    for (std::size_t i = 0; i < palette.size(); ++i)
        put32(bytes, 54 + 4 * i, palette[i]);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = &bytes[offBits + stride * static_cast<std::size_t>(topDown ? y : height - 1 - y)];
        for (int x = 0; x < width; ++x) {
            const std::uint32_t value = pixels[static_cast<std::size_t>(y * width + x)];
            if (bits < 8) // most significant bits first
                row[x * bits / 8] |= static_cast<std::uint8_t>(value << (8 - bits - x * bits % 8));
            else
                for (int channel = 0; channel < bits / 8; ++channel) // blue, green, red, unused
                    row[x * (bits / 8) + channel] = static_cast<std::uint8_t>(value >> (8 * channel));
        }
    }
    return bytes;
}

class BitmapFiles : public ::testing::Test {
protected:
    std::optional<RgbImage> load(const std::vector<std::uint8_t>& bytes)
    {
        writeBytes(dir.file("picture.bmp"), bytes);
        return shell.loadBitmapFile(dir.file("picture.bmp"));
    }
    TempDir dir;
    Win32Shell shell{GetModuleHandleA(nullptr), nullptr};
};

TEST_F(BitmapFiles, EveryDepthBottomUpAndTopDownGivesTheExactPixels)
{
    const std::vector<std::uint32_t> indices = {0, 1, 2, 3, 4, 5};
    const std::vector<std::uint32_t> twoColours = {0x102030, 0xF0E0D0};
    struct Case {
        int bits;
        std::vector<std::uint32_t> palette, pixels, expected;
    };
    const std::uint32_t dark = twoColours[0], light = twoColours[1];
    const Case cases[] = {{1, twoColours, {1, 0, 1, 0, 1, 1}, {light, dark, light, dark, light, light}},
                          {4, kColours, indices, kColours},
                          {8, kColours, indices, kColours},
                          {24, {}, kColours, kColours},
                          {32, {}, kColours, kColours}};
    for (bool topDown : {false, true}) {
        for (const Case& bitmap : cases) {
            SCOPED_TRACE(testing::Message() << bitmap.bits << " bits, top-down " << topDown);
            const auto image = load(bitmapFile(bitmap.bits, topDown, bitmap.palette, bitmap.pixels));
            ASSERT_TRUE(image.has_value());
            EXPECT_EQ(image->width, 3);
            EXPECT_EQ(image->height, 2);
            EXPECT_EQ(image->pixels, bitmap.expected);
        }
    }
    const auto wide = load(bitmapFile(24, false, {}, std::vector<std::uint32_t>(4096, 0xAA55), 4096, 1));
    ASSERT_TRUE(wide.has_value());
    EXPECT_EQ(wide->pixels, std::vector<std::uint32_t>(4096, 0xAA55));
}

TEST_F(BitmapFiles, TruncatedForeignAndHugeFilesAreRefused)
{
    const std::vector<std::uint8_t> whole = bitmapFile(24, false, {}, kColours);
    for (std::size_t length : {whole.size() - 1, std::size_t{60}, std::size_t{20}, std::size_t{2}, std::size_t{0}})
        EXPECT_FALSE(load({whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length)})) << length;
    EXPECT_FALSE(load({'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0}));
    EXPECT_FALSE(shell.loadBitmapFile(dir.file("missing.bmp")));

    // Sizes announced by the header, far beyond the file or beyond what is shown.
    for (auto [width, height] : {std::pair{0x7FFFFFFF, 1}, std::pair{1, -0x7FFFFFFF}, std::pair{4097, 1},
                                 std::pair{1, 4097}, std::pair{0, 2}}) {
        std::vector<std::uint8_t> crafted = whole;
        put32(crafted, 18, static_cast<std::uint32_t>(width));
        put32(crafted, 22, static_cast<std::uint32_t>(height));
        EXPECT_FALSE(load(crafted)) << width << " x " << height;
    }
    // A palette that ends beyond the file, and pixels said to start beyond it.
    std::vector<std::uint8_t> palette = bitmapFile(8, false, kColours, {0, 1, 2, 3, 4, 5});
    put32(palette, 46, 255);
    EXPECT_FALSE(load(palette));
    std::vector<std::uint8_t> offset = whole;
    put32(offset, 10, 0x7FFFFFF0);
    EXPECT_FALSE(load(offset));
}

} // namespace
