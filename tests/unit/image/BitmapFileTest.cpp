#include "pages/image/BitmapFile.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <vector>

using Bytes = std::vector<std::uint8_t>;

namespace {

const Bytes kOneFrameHeaders = {
    0x42, 0x4D, 0x76, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x76, 0x00, 0x00, 0x00, // file header
    0x28, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x01, 0x00, 0x04, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x10, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
};

// A one-frame file as another program might write it: colour 0 is (R 255, G 16, B 8).
Bytes foreignBitmap(std::uint32_t coloursUsed = 16)
{
    Bytes file = kOneFrameHeaders;
    file[46] = static_cast<std::uint8_t>(coloursUsed);
    std::size_t entries = coloursUsed == 0 ? 16 : coloursUsed;
    for (std::size_t i = 0; i < entries; ++i)
        file.insert(file.end(), {static_cast<std::uint8_t>(i == 0 ? 8 : 0), static_cast<std::uint8_t>(i == 0 ? 16 : 0),
                                 static_cast<std::uint8_t>(i == 0 ? 255 : i), 0});
    Bytes rows(2048, 0);
    rows[0] = 0x12;    // bottom row, pixels 0 and 1
    rows[2047] = 0xAB; // top row, pixels 62 and 63
    file.insert(file.end(), rows.begin(), rows.end());
    return file;
}

} // namespace

TEST(BitmapFile, WritesTheHeadersAndRowsBottomUp)
{
    Picture picture;
    picture.at(0, 63) = 1;
    picture.at(1, 63) = 2;
    picture.at(62, 0) = 0xA;
    picture.at(63, 0) = 0xB;
    Palette palette{};
    palette[0] = 0x123456;
    palette[15] = 0xF8F8F8;
    Bytes file = encodeBitmap(picture, 1, palette);
    ASSERT_EQ(file.size(), 2166u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 54), kOneFrameHeaders);
    EXPECT_EQ(Bytes(file.begin() + 54, file.begin() + 62), (Bytes{0x12, 0x34, 0x56, 0x00, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(Bytes(file.begin() + 114, file.begin() + 118), (Bytes{0xF8, 0xF8, 0xF8, 0x00}));
    EXPECT_EQ(file[118], 0x12);
    EXPECT_EQ(file[2165], 0xAB);

    Bytes two = encodeBitmap(picture, 2, palette);
    ASSERT_EQ(two.size(), 4214u);
    EXPECT_EQ(Bytes(two.begin() + 2, two.begin() + 6), (Bytes{0x76, 0x10, 0x00, 0x00}));
    EXPECT_EQ(Bytes(two.begin() + 22, two.begin() + 26), (Bytes{0x80, 0x00, 0x00, 0x00}));
}

TEST(BitmapFile, ReadsForeignFilesAndCutsColours)
{
    for (std::uint32_t used : {16u, 0u}) {
        BitmapImport import = decodeBitmap(foreignBitmap(used), 1);
        ASSERT_EQ(import.error, BitmapError::None) << used;
        EXPECT_EQ(import.palette[0], 0x0810F8u);
        EXPECT_EQ(import.palette[15], 0x000008u);
        EXPECT_EQ(import.picture.at(0, 63), 1);
        EXPECT_EQ(import.picture.at(1, 63), 2);
        EXPECT_EQ(import.picture.at(62, 0), 0xA);
        EXPECT_EQ(import.picture.at(63, 0), 0xB);
    }
    // Two colours: the rest stay black and the rows follow the short table.
    Bytes shortTable = foreignBitmap(2);
    BitmapImport import = decodeBitmap(shortTable, 1);
    ASSERT_EQ(import.error, BitmapError::None);
    EXPECT_EQ(import.palette[2], 0u);
    EXPECT_EQ(import.picture.at(0, 63), 1);
}

TEST(BitmapFile, RefusesMalformedFiles)
{
    auto errorOf = [](Bytes file, std::optional<int> frames = 1) { return decodeBitmap(file, frames).error; };
    auto patched = [](std::size_t at, Bytes value) {
        Bytes file = foreignBitmap();
        std::copy(value.begin(), value.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
        return file;
    };
    EXPECT_EQ(errorOf(patched(0, {'B', 'A'})), BitmapError::NotBitmap);
    EXPECT_EQ(errorOf(patched(14, {108})), BitmapError::Unreadable);
    EXPECT_EQ(errorOf(patched(28, {8})), BitmapError::NotSixteenColour);
    EXPECT_EQ(errorOf(patched(30, {2})), BitmapError::Compressed);
    EXPECT_EQ(errorOf(patched(46, {0x01, 0x01})), BitmapError::Unreadable);
    EXPECT_EQ(errorOf(patched(46, {0xFF, 0xFF, 0xFF, 0xFF})), BitmapError::Unreadable);
    EXPECT_EQ(errorOf(patched(18, {0x41})), BitmapError::WrongSize);
    EXPECT_EQ(errorOf(patched(22, {0xC0, 0xFF, 0xFF, 0xFF})), BitmapError::WrongSize); // top-down
    EXPECT_EQ(errorOf(foreignBitmap(), 2), BitmapError::WrongSize);
    EXPECT_EQ(errorOf(foreignBitmap(), 5), BitmapError::WrongSize);

    // A 64x128 file fits a two-frame picture only; the palette survives the size check.
    Bytes tall = patched(22, {0x80});
    tall.resize(tall.size() + 2048, 0);
    BitmapImport wrong = decodeBitmap(tall, 1);
    EXPECT_EQ(wrong.error, BitmapError::WrongSize);
    EXPECT_TRUE(wrong.hasPalette);
    EXPECT_FALSE(wrong.hasPicture);
    EXPECT_EQ(decodeBitmap(tall, 2).error, BitmapError::None);

    // A palette-only import skips the size check.
    BitmapImport paletteOnly = decodeBitmap(patched(18, {0x41}), std::nullopt);
    EXPECT_EQ(paletteOnly.error, BitmapError::None);
    EXPECT_TRUE(paletteOnly.hasPalette);
    EXPECT_FALSE(paletteOnly.hasPicture);

    const Bytes whole = foreignBitmap();
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        BitmapImport cutShort = decodeBitmap(std::span(whole).first(cut), 1);
        ASSERT_EQ(cutShort.error, BitmapError::File) << cut;
        EXPECT_FALSE(cutShort.systemText.empty());
    }
}

TEST(BitmapFile, SavesTruncatesAndReadsBack)
{
    TempDir dir;
    const std::string path = dir.file("pic.bmp");
    writeBytes(path, Bytes(5000, 0x55));
    Picture picture;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 64; ++x)
            picture.at(x, y) = static_cast<std::uint8_t>((x + 3 * y) & 15);
    Palette palette = greyRamp();
    palette[3] = 0xF8F8F8;
    std::string error;
    ASSERT_TRUE(saveBitmapFile(path, picture, 2, palette, error));
    EXPECT_EQ(readBytes(path).size(), 4214u);

    BitmapImport import = readBitmapFile(path, 2);
    ASSERT_EQ(import.error, BitmapError::None);
    EXPECT_EQ(import.picture.pixels, picture.pixels);
    EXPECT_EQ(import.palette[3], 0xF8F8F8u);
    EXPECT_EQ(import.palette[15], 0xF8F8F8u); // 0xFF cut to 0xF8

    BitmapImport missing = readBitmapFile(dir.file("none.bmp"), 1);
    EXPECT_EQ(missing.error, BitmapError::File);
    EXPECT_FALSE(missing.systemText.empty());
    EXPECT_FALSE(saveBitmapFile(dir.file("no/such/folder.bmp"), picture, 1, palette, error));
    EXPECT_FALSE(error.empty());
}
