#include "pages/image/BitmapFile.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

// The bitmaps the page writes open in ImageMagick, and the ones ImageMagick writes open in the
// page (scripts/setup.sh installs it).
namespace {

// A two-frame picture using all sixteen colours of a palette of distinct, 15-bit colours.
struct Sample {
    Picture picture;
    Palette palette{};
    Sample()
    {
        for (int y = 0; y < 128; ++y)
            for (int x = 0; x < 64; ++x)
                picture.at(x, y) = static_cast<std::uint8_t>((x / 4 + y) & 15);
        for (std::uint32_t i = 0; i < 16; ++i)
            palette[i] = (i * 16) | (248 - i * 8) << 8 | (i * 40 % 256 & 0xF8) << 16;
    }
};

std::string convertProgram()
{
    return std::filesystem::exists("/usr/bin/convert") ? "/usr/bin/convert" : "convert";
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

TEST(ImageMagick, OpensExportedBitmapsAndWritesBitmapsThatImport)
{
    const Sample sample;
    TempDir dir;
    const std::string ours = dir.file("ours.bmp");
    std::string error;
    ASSERT_TRUE(saveBitmapFile(ours, sample.picture, 2, sample.palette, error)) << error;
    ASSERT_EQ(std::system("identify -version >/dev/null 2>&1"), 0) << "ImageMagick is missing: run scripts/setup.sh";
    EXPECT_EQ(output("identify -format '%w %h %k %m' '" + ours + "'"), "64 128 16 BMP3");

    // ImageMagick orders the colour table its own way: the colours must survive, not the indices.
    const std::string theirs = dir.file("theirs.bmp");
    const std::string command = convertProgram() + " '" + ours + "' -type Palette -colors 16 'BMP3:" + theirs + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::vector<std::uint8_t> file = readBytes(theirs);
    ASSERT_GT(file.size(), 30u);
    EXPECT_EQ(file[28], 4) << "not a 16-colour bitmap";
    const BitmapImport import = readBitmapFile(theirs, 2);
    ASSERT_EQ(import.error, BitmapError::None);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(import.palette[import.picture.at(x, y)], sample.palette[sample.picture.at(x, y)])
                << x << "," << y;
}
