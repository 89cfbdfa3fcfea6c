#include "tests/support/PortableBitmap.h"

#include "core/BitmapHeader.h"
#include "core/LittleEndian.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <vector>

namespace {

using little_endian::get16;
using little_endian::get32;

namespace header = bitmap_header;
// Red, green and blue masks: after a 40-byte header, or inside the larger ones.
constexpr std::size_t kMasks = header::kFileHeaderSize + header::kInfoHeaderSize;
constexpr std::size_t kMasksSize = 12;
constexpr std::array<std::uint32_t, 5> kHeaderSizes = {40, 52, 56, 108, 124};

constexpr std::size_t kColourEntrySize = 4; // blue, green, red, reserved
constexpr std::int64_t kLargestSide = 4096;
constexpr std::size_t kMostColours = 256;
// The largest file the reader can use: headers, masks, colour table and 4096 rows of
// 4096 pixels of 32 bits.
constexpr std::size_t kLargestUsefulFile = header::kFileHeaderSize + 124 + kMasksSize + kMostColours * kColourEntrySize
                                         + static_cast<std::size_t>(kLargestSide * kLargestSide * 4);

struct Masks {
    std::uint32_t red;
    std::uint32_t green;
    std::uint32_t blue;
};
constexpr Masks kMasks555 = {0x7C00, 0x03E0, 0x001F};
constexpr Masks kMasks565 = {0xF800, 0x07E0, 0x001F};
constexpr Masks kMasks888 = {0xFF0000, 0x00FF00, 0x0000FF};

bool sameMasks(const Masks& a, const Masks& b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// A 5- or 6-bit component widened to 8 bits by repeating its top bits, as the system does.
std::uint32_t widen(std::uint32_t value, int bits)
{
    return (value << (8 - bits) | value >> (2 * bits - 8)) & 0xFF;
}

std::uint32_t rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    return red << 16 | green << 8 | blue;
}

struct Layout {
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool topDown = false;
    std::uint32_t bitCount = 0;
    Masks masks = kMasks555;
    std::vector<std::uint32_t> colours;
    std::size_t pixels = 0;
    std::size_t stride = 0;
};

// The first entries of the table; every index beyond them reads as black.
std::vector<std::uint32_t> colourTable(std::span<const std::uint8_t> table, std::size_t indexable)
{
    std::vector<std::uint32_t> colours(indexable, 0);
    for (std::size_t i = 0; i < indexable && (i + 1) * kColourEntrySize <= table.size(); ++i) {
        const std::size_t entry = i * kColourEntrySize;
        colours[i] = rgb(table[entry + 2], table[entry + 1], table[entry]);
    }
    return colours;
}

std::optional<Layout> readLayout(std::span<const std::uint8_t> file)
{
    const std::optional<BitmapHeader> read = readBitmapHeader(file);
    if (!read || read->type != header::kTypeBM || !read->hasInfo
        || std::find(kHeaderSizes.begin(), kHeaderSizes.end(), read->headerSize) == kHeaderSizes.end())
        return std::nullopt;
    const std::uint32_t headerSize = read->headerSize;

    Layout layout;
    layout.width = read->width;
    layout.height = read->height;
    layout.topDown = layout.height < 0;
    if (layout.topDown)
        layout.height = -layout.height;
    layout.bitCount = read->bitsPerPixel;
    const std::uint32_t compression = read->compression;
    if (read->planes != 1 || layout.width < 1 || layout.width > kLargestSide || layout.height < 1
        || layout.height > kLargestSide)
        return std::nullopt;

    std::size_t tableAt = header::kFileHeaderSize + headerSize;
    if (compression == header::kCompressionBitfields) {
        if (layout.bitCount != 16 && layout.bitCount != 32)
            return std::nullopt;
        if (headerSize == header::kInfoHeaderSize)
            tableAt += kMasksSize;
        if (!little_endian::fits(file.size(), kMasks, kMasksSize))
            return std::nullopt;
        layout.masks = {get32(file, kMasks), get32(file, kMasks + 4), get32(file, kMasks + 8)};
        const bool known = layout.bitCount == 16
                             ? sameMasks(layout.masks, kMasks555) || sameMasks(layout.masks, kMasks565)
                             : sameMasks(layout.masks, kMasks888);
        if (!known)
            return std::nullopt;
    } else if (compression == header::kCompressionRgb) {
        const std::uint32_t b = layout.bitCount;
        if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32)
            return std::nullopt;
    } else {
        return std::nullopt;
    }

    // A colour table of 16 bits or more only takes room before the pixels.
    const std::uint32_t announced = read->coloursUsed;
    std::size_t tableEntries = std::min<std::size_t>(announced, kMostColours);
    if (announced == 0 && layout.bitCount <= 8)
        tableEntries = std::size_t{1} << layout.bitCount;
    if (!little_endian::fits(file.size(), tableAt, tableEntries * kColourEntrySize))
        return std::nullopt;
    const std::size_t tableEnd = tableAt + tableEntries * kColourEntrySize;
    if (layout.bitCount <= 8)
        layout.colours = colourTable(file.subspan(tableAt, tableEntries * kColourEntrySize),
                                     std::size_t{1} << layout.bitCount);

    const std::uint32_t pixelOffset = read->pixelDataOffset;
    layout.pixels = pixelOffset == 0 ? tableEnd : pixelOffset;
    layout.stride = (static_cast<std::size_t>(layout.width) * layout.bitCount + 31) / 32 * 4;
    if (layout.pixels < header::kFileHeaderSize + headerSize
        || !little_endian::fits(file.size(), layout.pixels, layout.stride * static_cast<std::size_t>(layout.height)))
        return std::nullopt;
    return layout;
}

std::uint32_t pixelAt(std::span<const std::uint8_t> row, std::int64_t x, const Layout& layout)
{
    const auto column = static_cast<std::size_t>(x);
    switch (layout.bitCount) {
    case 1:
        return layout.colours[row[column / 8] >> (7 - column % 8) & 0x01];
    case 4:
        return layout.colours[row[column / 2] >> (column % 2 == 0 ? 4 : 0) & 0x0F];
    case 8:
        return layout.colours[row[column]];
    case 16: {
        const std::uint32_t value = get16(row, column * 2);
        if (sameMasks(layout.masks, kMasks565))
            return rgb(widen(value >> 11 & 0x1F, 5), widen(value >> 5 & 0x3F, 6), widen(value & 0x1F, 5));
        return rgb(widen(value >> 10 & 0x1F, 5), widen(value >> 5 & 0x1F, 5), widen(value & 0x1F, 5));
    }
    case 24:
        return rgb(row[column * 3 + 2], row[column * 3 + 1], row[column * 3]);
    default:
        return get32(row, column * 4) & 0x00FFFFFF;
    }
}

} // namespace

std::optional<RgbImage> decodeBitmapPixels(std::span<const std::uint8_t> file)
{
    const std::optional<Layout> layout = readLayout(file);
    if (!layout)
        return std::nullopt;
    RgbImage image;
    image.width = static_cast<int>(layout->width);
    image.height = static_cast<int>(layout->height);
    image.pixels.resize(static_cast<std::size_t>(layout->width * layout->height));
    for (std::int64_t y = 0; y < layout->height; ++y) {
        const std::int64_t stored = layout->topDown ? y : layout->height - 1 - y;
        const auto row = file.subspan(layout->pixels + static_cast<std::size_t>(stored) * layout->stride, layout->stride);
        for (std::int64_t x = 0; x < layout->width; ++x)
            image.pixels[static_cast<std::size_t>(y * layout->width + x)] = pixelAt(row, x, *layout);
    }
    return image;
}

std::optional<RgbImage> loadBitmapPixels(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return std::nullopt;
    const std::streamoff size = in.tellg();
    if (size < 0 || !in.seekg(0))
        return std::nullopt;
    // Bytes beyond the largest bitmap the reader accepts are never looked at.
    std::vector<std::uint8_t> bytes(std::min<std::size_t>(static_cast<std::size_t>(size), kLargestUsefulFile));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return decodeBitmapPixels(bytes);
}
