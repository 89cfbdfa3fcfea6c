#include "pages/image/Palette.h"
#include "pages/image/Picture.h"

#include <gtest/gtest.h>

#include <vector>

using Bytes = std::vector<std::uint8_t>;

TEST(Tiles, UnpackPlacesNibblesByTile)
{
    Bytes tiles(4096, 0);
    tiles[0] = 0x21;    // tile 0, row 0: pixels 0 and 1
    tiles[4] = 0x03;    // tile 0, row 1
    tiles[35] = 0x40;   // tile 1, row 0, pixel 7
    tiles[256] = 0x05;  // tile row 1
    tiles[2047] = 0x60; // last pixel of frame 0
    tiles[2048] = 0x07; // frame 1
    Picture picture;
    picture.at(0, 127) = 9;
    ASSERT_TRUE(unpackTiles(tiles, 2, picture));
    EXPECT_EQ(picture.at(0, 0), 1);
    EXPECT_EQ(picture.at(1, 0), 2);
    EXPECT_EQ(picture.at(0, 1), 3);
    EXPECT_EQ(picture.at(15, 0), 4);
    EXPECT_EQ(picture.at(0, 8), 5);
    EXPECT_EQ(picture.at(63, 63), 6);
    EXPECT_EQ(picture.at(0, 64), 7);
    EXPECT_EQ(picture.at(0, 127), 0);
    EXPECT_EQ(picture.at(8, 0), 0);
}

TEST(Tiles, PackIsTheInverseAndKeepsLowNibbles)
{
    Picture picture;
    picture.at(0, 0) = 0x1F;
    picture.at(1, 0) = 0x02;
    picture.at(15, 0) = 0x04;
    picture.at(0, 8) = 0x05;
    picture.at(0, 64) = 0x07;
    Bytes tiles(4096, 0xEE);
    ASSERT_TRUE(packTiles(picture, 2, tiles));
    EXPECT_EQ(tiles[0], 0x2F);
    EXPECT_EQ(tiles[35], 0x40);
    EXPECT_EQ(tiles[256], 0x05);
    EXPECT_EQ(tiles[2048], 0x07);
    EXPECT_EQ(tiles[1], 0x00);

    Picture back;
    ASSERT_TRUE(unpackTiles(tiles, 2, back));
    EXPECT_EQ(back.at(0, 0), 0x0F);
    EXPECT_EQ(back.at(15, 0), 0x04);
}

TEST(Tiles, RefuseFramesTheBuffersCannotHold)
{
    Picture picture;
    Bytes tiles(8192 + 2048);
    EXPECT_FALSE(unpackTiles(tiles, 5, picture));
    EXPECT_FALSE(unpackTiles(tiles, -1, picture));
    EXPECT_FALSE(unpackTiles(std::span(tiles).first(2047), 1, picture));
    EXPECT_FALSE(packTiles(picture, 2, std::span(tiles).first(4095)));
    EXPECT_TRUE(unpackTiles({}, 0, picture));
}

TEST(Palettes, ConvertBetweenFifteenBitAndScreenColours)
{
    std::array<std::uint8_t, 32> gba{};
    const Bytes first = {0x1F, 0x00, 0xE0, 0x03, 0x00, 0x7C, 0xFF, 0xFF, 0xCA, 0x08};
    std::copy(first.begin(), first.end(), gba.begin());
    Palette palette = paletteFromGba(gba);
    EXPECT_EQ(palette[0], 0x0000F8u);
    EXPECT_EQ(palette[1], 0x00F800u);
    EXPECT_EQ(palette[2], 0xF80000u);
    EXPECT_EQ(palette[3], 0xF8F8F8u); // bit 15 ignored
    EXPECT_EQ(palette[4], 0x103050u);
    EXPECT_EQ(palette[5], 0u);

    Palette screen{};
    screen[0] = 0x0000FF;
    screen[1] = 0xFFFFFF;
    screen[2] = 0x123456;
    auto data = paletteToGba(screen);
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 8), (Bytes{0x1F, 0x00, 0xFF, 0x7F, 0xCA, 0x08, 0x00, 0x00}));
}

TEST(Palettes, InitialRamps)
{
    EXPECT_EQ(greyRamp()[0], 0x000000u);
    EXPECT_EQ(greyRamp()[1], 0x111111u);
    EXPECT_EQ(greyRamp()[15], 0xFFFFFFu);
    EXPECT_EQ(invertedGreyRamp()[0], 0xFFFFFFu);
    EXPECT_EQ(invertedGreyRamp()[14], 0x111111u);
    EXPECT_EQ(invertedGreyRamp()[15], 0x000000u);
}
