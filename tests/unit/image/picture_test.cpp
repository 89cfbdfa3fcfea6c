#include "pages/image/Palette.h"
#include "pages/image/Picture.h"

#include <gtest/gtest.h>

#include <vector>

using Bytes = std::vector<std::uint8_t>;

TEST(Tiles, NibblesGoByTileBothWays)
{
    // Byte -> pixel pairs: tile 0 row 0, tile 0 row 1, tile 1, tile row 1, end of frame 0, frame 1.
    Bytes tiles(4096, 0);
    tiles[0] = 0x21, tiles[4] = 0x03, tiles[35] = 0x40, tiles[256] = 0x05, tiles[2047] = 0x60, tiles[2048] = 0x07;
    Picture picture;
    ASSERT_TRUE(unpackTiles(tiles, 2, picture));
    const std::vector<std::tuple<int, int, int>> pixels = {{0, 0, 1}, {1, 0, 2}, {0, 1, 3}, {15, 0, 4},
                                                           {0, 8, 5}, {63, 63, 6}, {0, 64, 7}};
    for (const auto& [x, y, value] : pixels)
        EXPECT_EQ(picture.at(x, y), value) << x << "," << y;

    picture.at(0, 0) = 0x1F; // only the low nibble counts
    Bytes packed(4096, 0xEE);
    ASSERT_TRUE(packTiles(picture, 2, packed));
    tiles[0] = 0x2F;
    EXPECT_EQ(packed, tiles);

    EXPECT_TRUE(unpackTiles({}, 0, picture)); // no frames is no pixels, not a failure
    EXPECT_FALSE(unpackTiles(tiles, 5, picture));
    EXPECT_FALSE(unpackTiles(tiles, -1, picture));
    EXPECT_FALSE(unpackTiles(std::span(tiles).first(2047), 1, picture));
    EXPECT_FALSE(packTiles(picture, 2, std::span(packed).first(4095)));
}

TEST(Palettes, FifteenBitColoursBothWays)
{
    std::array<std::uint8_t, 32> gba{0x1F, 0x00, 0xE0, 0x03, 0x00, 0x7C, 0xFF, 0xFF, 0xCA, 0x08};
    const Palette palette = paletteFromGba(gba);
    // Bit 15 of colour 3 is ignored.
    EXPECT_EQ(std::vector<std::uint32_t>(palette.begin(), palette.begin() + 5),
              (std::vector<std::uint32_t>{0x0000F8, 0x00F800, 0xF80000, 0xF8F8F8, 0x103050}));

    auto data = paletteToGba(Palette{0x0000FF, 0xFFFFFF, 0x123456});
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 8), (Bytes{0x1F, 0x00, 0xFF, 0x7F, 0xCA, 0x08, 0x00, 0x00}));
}
