#include "pages/image/BitmapFile.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

// The one-frame export's headers and rows, the refusals the page names, truncated files and a
// palette kept when the size is refused are pinned by the image page cases; here are the other
// refusals, foreign colour tables, two frames, and the files ImageMagick reads and writes.
using Bytes = std::vector<std::uint8_t>;

namespace {

// A one-frame file as another program might write it: colour 0 is (R 255, G 16, B 8), colour i
// red i; the bottom row starts with pixels 1, 2 and the top row ends with 0xA, 0xB.
Bytes foreignBitmap(std::uint8_t coloursUsed = 16)
{
    Bytes file = {0x42, 0x4D, 0x76, 0x08, 0, 0, 0, 0, 0, 0, 0x76, 0, 0, 0, 0x28, 0, 0, 0, 0x40, 0, 0, 0, 0x40, 0, 0, 0,
                  0x01, 0, 0x04, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, coloursUsed, 0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < (coloursUsed == 0 ? 16 : coloursUsed); ++i)
        file.insert(file.end(), {std::uint8_t(i == 0 ? 8 : 0), std::uint8_t(i == 0 ? 16 : 0), std::uint8_t(i == 0 ? 255 : i), 0});
    const std::size_t rows = file.size();
    file.resize(rows + 2048, 0);
    file[rows] = 0x12;
    file.back() = 0xAB;
    return file;
}

Bytes patched(std::size_t at, const Bytes& value)
{
    Bytes file = foreignBitmap();
    std::copy(value.begin(), value.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
    return file;
}

// The first line a command prints.
std::string output(const std::string& command)
{
    std::array<char, 256> line{};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return {};
    const bool got = std::fgets(line.data(), static_cast<int>(line.size()), pipe) != nullptr;
    pclose(pipe);
    return got ? std::string(line.data()) : std::string();
}

} // namespace

TEST(BitmapFile, ReadsForeignFilesAndCutsColours)
{
    for (std::uint8_t used : {16, 0, 2}) {
        SCOPED_TRACE(used);
        BitmapImport import = decodeBitmap(foreignBitmap(used), 1);
        ASSERT_TRUE(import.status.ok());
        EXPECT_EQ(import.palette[0], 0x0810F8u);
        // With two colours the rest stay black and the rows follow the short table.
        EXPECT_EQ(import.palette[15], used == 2 ? 0u : 0x000008u);
        EXPECT_EQ(import.picture.at(0, 63), 1);
        EXPECT_EQ(import.picture.at(1, 63), 2);
        EXPECT_EQ(import.picture.at(62, 0), 0xA);
        EXPECT_EQ(import.picture.at(63, 0), 0xB);
    }
}

TEST(BitmapFile, RefusesMalformedFiles)
{
    struct Case {
        Bytes file;
        int frames;
        std::string message;
    };
    const std::string unreadable = "CImage::ReadBitMap() 読み込めないビットマップです。\n";
    const std::vector<Case> cases = {
        {patched(14, {108}), 1, unreadable},
        {patched(46, {0xFF, 0xFF, 0xFF, 0xFF}), 1, unreadable},
        {patched(18, {0x41}), 1, "CImage::ReadBipMap() サイズが64x64ピクセルではありません。\n"},
        {patched(22, {0xC0, 0xFF, 0xFF, 0xFF}), 1, "CImage::ReadBipMap() サイズが64x64ピクセルではありません。\n"}, // top-down
        {foreignBitmap(), 2, "CImage::ReadBipMap() サイズが64x128ピクセルではありません。\n"},
        {foreignBitmap(), 5, "CImage::ReadBipMap() サイズが64x320ピクセルではありません。\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeBitmap(c.file, c.frames).status.errorText(), c.message) << &c - cases.data();

    // A palette-only import skips the size check.
    BitmapImport paletteOnly = decodeBitmap(patched(18, {0x41}), std::nullopt);
    EXPECT_TRUE(paletteOnly.status.ok());
    EXPECT_TRUE(paletteOnly.hasPalette);
    EXPECT_FALSE(paletteOnly.hasPicture);

    const Bytes whole = foreignBitmap();
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        BitmapImport cutShort = decodeBitmap(std::span(whole).first(cut), 1);
        ASSERT_EQ(cutShort.status.errorText().rfind("CImage::ReadBitMap を実行中にエラーが発生しました。", 0), 0u) << cut;
        EXPECT_GT(cutShort.status.errorText().size(), std::string("CImage::ReadBitMap を実行中にエラーが発生しました。").size());
    }
}

TEST(BitmapFile, SavesTwoFramesOverALongerFileAndReadsThemBack)
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
    ASSERT_TRUE(saveBitmapFile(path, picture, 2, palette).ok());
    const Bytes file = readBytes(path);
    ASSERT_EQ(file.size(), 4214u);
    EXPECT_EQ(Bytes(file.begin() + 2, file.begin() + 6), (Bytes{0x76, 0x10, 0x00, 0x00}));
    EXPECT_EQ(Bytes(file.begin() + 22, file.begin() + 26), (Bytes{0x80, 0x00, 0x00, 0x00}));

    BitmapImport import = readBitmapFile(path, 2);
    ASSERT_TRUE(import.status.ok());
    EXPECT_EQ(import.picture.pixels, picture.pixels);
    EXPECT_EQ(import.palette[3], 0xF8F8F8u);
    EXPECT_EQ(import.palette[15], 0xF8F8F8u); // 0xFF cut to 0xF8

    BitmapImport missing = readBitmapFile(dir.file("none.bmp"), 1);
    EXPECT_EQ(missing.status.errorText().rfind("CImage::ReadBitMap を実行中にエラーが発生しました。", 0), 0u);
    const Result unsaved = saveBitmapFile(dir.file("no/such/folder.bmp"), picture, 1, palette);
    EXPECT_FALSE(unsaved.ok());
    EXPECT_FALSE(unsaved.errorText().empty());
}

// The bitmaps the page writes open in ImageMagick, and the ones ImageMagick writes open in the
// page (scripts/setup.sh installs it): a two-frame picture using all sixteen distinct colours.
TEST(BitmapFile, ImageMagickOpensExportsAndWritesBitmapsThatImport)
{
    Picture picture;
    Palette palette{};
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 64; ++x)
            picture.at(x, y) = static_cast<std::uint8_t>((x / 4 + y) & 15);
    for (std::uint32_t i = 0; i < 16; ++i)
        palette[i] = (i * 16) | (248 - i * 8) << 8 | (i * 40 % 256 & 0xF8) << 16;
    TempDir dir;
    const std::string ours = dir.file("ours.bmp");
    const Result saved = saveBitmapFile(ours, picture, 2, palette);
    ASSERT_TRUE(saved.ok()) << saved.errorText();
    ASSERT_EQ(std::system("identify -version >/dev/null 2>&1"), 0) << "ImageMagick is missing: run scripts/setup.sh";
    EXPECT_EQ(output("identify -format '%w %h %k %m' '" + ours + "'"), "64 128 16 BMP3");

    // ImageMagick orders the colour table its own way: the colours must survive, not the indices.
    const std::string theirs = dir.file("theirs.bmp");
    const std::string convert = std::filesystem::exists("/usr/bin/convert") ? "/usr/bin/convert" : "convert";
    ASSERT_EQ(std::system((convert + " '" + ours + "' -type Palette -colors 16 'BMP3:" + theirs + "'").c_str()), 0);
    const Bytes file = readBytes(theirs);
    ASSERT_GT(file.size(), 30u);
    EXPECT_EQ(file[28], 4) << "not a 16-colour bitmap";
    const BitmapImport import = readBitmapFile(theirs, 2);
    ASSERT_TRUE(import.status.ok());
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(import.palette[import.picture.at(x, y)], palette[picture.at(x, y)]) << x << "," << y;
}
