#include "pages/image/BitmapFile.h"

#include "core/LittleEndian.h"
#include "core/RomFile.h"

#include <algorithm>
#include <fstream>

namespace layout = bitmap_layout;
namespace header = bitmap_header;
using little_endian::set16;
using little_endian::set32;

namespace {

// The most a file can hold that the reader looks at: headers, a full colour table and
// four frames of pixel rows.
constexpr std::size_t kLargestUsefulFile =
    layout::kColourTable + layout::kMaxColours * layout::kColourEntrySize
    + Picture::kFrameTileBytes * Picture::kMaxFrames;

// What the user is told of a refused file, after the system's text where reading failed.
constexpr const char* kReadFailedText = "CImage::ReadBitMap を実行中にエラーが発生しました。";
constexpr const char* kNotBitmapText = "CImage::ReadBitpMap() ビットマップではありません。\n";
constexpr const char* kUnreadableText = "CImage::ReadBitMap() 読み込めないビットマップです。\n";
constexpr const char* kNotSixteenColourText = "CImage::ReadBitMap() このファイルは16色ではありません。\n";
constexpr const char* kCompressedText = "CImage::ReadBitMap() このファイルには圧縮がかかっている可能性があります。\n";

BitmapImport failed(BitmapImport import, std::string text)
{
    import.status = Result::failed(std::move(text));
    return import;
}

BitmapImport endedEarly(BitmapImport import)
{
    return failed(std::move(import), kReadFailedText + endOfFileErrorText());
}

std::string wrongSizeText(int frames)
{
    return "CImage::ReadBipMap() サイズが64x" + std::to_string(Picture::kFrameHeight * frames) + "ピクセルではありません。\n";
}

} // namespace

std::vector<std::uint8_t> encodeBitmap(const Picture& picture, int frames, const Palette& palette)
{
    // The picture holds at most four frames.
    frames = std::clamp(frames, 0, Picture::kMaxFrames);
    const int height = Picture::kFrameHeight * frames;
    const std::size_t pixelBytes = layout::kRowBytes * static_cast<std::size_t>(height);
    std::vector<std::uint8_t> bytes(layout::kPixels + pixelBytes, 0);

    set16(bytes, header::kType, header::kTypeBM);
    set32(bytes, header::kFileSize, static_cast<std::uint32_t>(bytes.size()));
    set32(bytes, header::kPixelDataOffset, layout::kPixels);
    set32(bytes, header::kInfoSize, header::kInfoHeaderSize);
    set32(bytes, header::kWidth, Picture::kWidth);
    set32(bytes, header::kHeight, static_cast<std::uint32_t>(height));
    set16(bytes, header::kPlanes, 1);
    set16(bytes, header::kBitsPerPixel, 4);
    set32(bytes, header::kColoursUsed, layout::kColours);

    for (std::size_t i = 0; i < layout::kColours; ++i) {
        const std::size_t entry = layout::kColourTable + i * layout::kColourEntrySize;
        bytes[entry] = static_cast<std::uint8_t>(palette[i] >> 16);
        bytes[entry + 1] = static_cast<std::uint8_t>(palette[i] >> 8);
        bytes[entry + 2] = static_cast<std::uint8_t>(palette[i]);
    }

    std::size_t at = layout::kPixels;
    for (int y = height - 1; y >= 0; --y)
        for (int x = 0; x < Picture::kWidth; x += 2)
            bytes[at++] = static_cast<std::uint8_t>((picture.at(x, y) & 0x0F) << 4 | (picture.at(x + 1, y) & 0x0F));
    return bytes;
}

Result saveBitmapFile(const std::string& path, const Picture& picture, int frames, const Palette& palette)
{
    const std::vector<std::uint8_t> bytes = encodeBitmap(picture, frames, palette);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out)
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (out)
        out.flush();
    if (!out)
        return Result::failed(lastSystemErrorText());
    return {};
}

BitmapImport decodeBitmap(std::span<const std::uint8_t> file, std::optional<int> frames)
{
    BitmapImport import;
    const std::optional<BitmapHeader> read = readBitmapHeader(file);
    if (!read || file.size() < layout::kColourTable)
        return endedEarly(std::move(import));
    if (read->type != header::kTypeBM)
        return failed(std::move(import), kNotBitmapText);
    if (read->headerSize != header::kInfoHeaderSize)
        return failed(std::move(import), kUnreadableText);
    if (read->bitsPerPixel != 4)
        return failed(std::move(import), kNotSixteenColourText);
    if (read->compression != header::kCompressionRgb)
        return failed(std::move(import), kCompressedText);

    std::size_t colours = read->coloursUsed;
    if (colours == 0)
        colours = layout::kColours;
    if (colours > layout::kMaxColours)
        return failed(std::move(import), kUnreadableText);
    const std::size_t pixels = layout::kColourTable + colours * layout::kColourEntrySize;
    if (file.size() < pixels)
        return endedEarly(std::move(import));

    // A short table leaves the remaining colours black.
    for (std::size_t i = 0; i < std::min(colours, layout::kColours); ++i) {
        const std::size_t entry = layout::kColourTable + i * layout::kColourEntrySize;
        const std::uint32_t blue = file[entry] & 0xF8u;
        const std::uint32_t green = file[entry + 1] & 0xF8u;
        const std::uint32_t red = file[entry + 2] & 0xF8u;
        import.palette[i] = red | green << 8 | blue << 16;
    }
    import.hasPalette = true;
    if (!frames)
        return import;

    const std::int64_t width = read->width;
    const std::int64_t height = read->height;
    if (*frames < 0 || *frames > Picture::kMaxFrames || width != Picture::kWidth
        || height != std::int64_t{Picture::kFrameHeight} * *frames)
        return failed(std::move(import), wrongSizeText(*frames));
    if (file.size() - pixels < layout::kRowBytes * static_cast<std::size_t>(height))
        return endedEarly(std::move(import));

    std::size_t at = pixels;
    for (std::int64_t y = height - 1; y >= 0; --y) {
        for (int x = 0; x < Picture::kWidth; x += 2, ++at) {
            import.picture.at(x, static_cast<int>(y)) = file[at] >> 4;
            import.picture.at(x + 1, static_cast<int>(y)) = file[at] & 0x0F;
        }
    }
    import.hasPicture = true;
    return import;
}

BitmapImport readBitmapFile(const std::string& path, std::optional<int> frames)
{
    ResultOf<RomFile> file = RomFile::openForReading(path);
    std::vector<std::uint8_t> bytes(kLargestUsefulFile);
    const ResultOf<std::int64_t> got = file.ok() ? file->readSome(bytes) : file.failure();
    if (!got.ok())
        return failed(BitmapImport{}, kReadFailedText + got.errorText());
    bytes.resize(static_cast<std::size_t>(*got));
    return decodeBitmap(bytes, frames);
}
