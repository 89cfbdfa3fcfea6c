#include "app/Win32BitmapFile.h"

#include "core/BitmapHeader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace win32_bitmap {

namespace {

// The window system's loader reads what the headers announce; a file is handed to it only
// once the headers are sane and everything they announce is inside the file.

constexpr std::size_t kFileHeaderSize = bitmap_header::kFileHeaderSize;
// The core header and the information headers the loader knows.
constexpr std::array<std::uint32_t, 6> kHeaderSizes = {12, 40, 52, 56, 108, 124};
// The largest header (BITMAPV5HEADER) and colour table, with the three masks of BI_BITFIELDS.
constexpr std::size_t kMaxPrefix = kFileHeaderSize + 124 + 12 + 256 * 4;

struct BitmapFile {
    std::vector<std::uint8_t> prefix; // the first bytes of the file, up to kMaxPrefix
    std::uint64_t size = 0;
};

std::optional<BitmapFile> readBitmapPrefix(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BitmapFile bitmap;
    LARGE_INTEGER size{};
    bool read = GetFileSizeEx(file, &size) && size.QuadPart >= 0;
    if (read) {
        bitmap.size = static_cast<std::uint64_t>(size.QuadPart);
        bitmap.prefix.resize(static_cast<std::size_t>(std::min<std::uint64_t>(bitmap.size, kMaxPrefix)));
        DWORD got = 0;
        read = ReadFile(file, bitmap.prefix.data(), static_cast<DWORD>(bitmap.prefix.size()), &got, nullptr) &&
               got == bitmap.prefix.size();
    }
    CloseHandle(file);
    return read ? std::optional<BitmapFile>(std::move(bitmap)) : std::nullopt;
}

// Where a sane bitmap file keeps its pixels.
struct BitmapLayout {
    bool topDown = false;
    std::uint64_t pixelsAt = 0;
    std::uint64_t pixelBytes = 0;
};

// The layout when the headers describe a bitmap of a sane size whose colour table and pixels
// are all inside the file; nothing otherwise.
std::optional<BitmapLayout> loadableLayout(const BitmapFile& file)
{
    const std::optional<BitmapHeader> read = readBitmapHeader(file.prefix);
    if (!read || read->type != bitmap_header::kTypeBM || !read->hasInfo)
        return std::nullopt;
    const std::uint32_t offBits = read->pixelDataOffset;
    const std::uint32_t headerSize = read->headerSize;
    if (std::find(kHeaderSizes.begin(), kHeaderSizes.end(), headerSize) == kHeaderSizes.end())
        return std::nullopt;
    std::int64_t height = read->height;
    const std::int64_t width = read->width;
    const std::uint32_t planes = read->planes;
    const std::uint32_t bitCount = read->bitsPerPixel;
    const std::uint32_t compression = read->compression;
    const std::uint32_t sizeImage = read->imageSize;
    const std::uint32_t colorsUsed = read->coloursUsed;
    const std::size_t entrySize = headerSize == bitmap_header::kCoreHeaderSize ? 3 : 4;
    const bool topDown = height < 0;
    height = topDown ? -height : height;
    if (planes != 1 || width < 1 || width > kMaxBitmapSide || height < 1 ||
        height > kMaxBitmapSide)
        return std::nullopt;

    switch (compression) {
    case BI_RGB:
        if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
            return std::nullopt;
        break;
    case BI_RLE8:
    case BI_RLE4:
        if (bitCount != (compression == BI_RLE8 ? 8u : 4u) || topDown || sizeImage == 0)
            return std::nullopt;
        break;
    case BI_BITFIELDS:
        if (bitCount != 16 && bitCount != 32)
            return std::nullopt;
        break;
    default:
        return std::nullopt;
    }

    // Header, masks and colour table, as the loader counts them.
    std::uint64_t tableEnd = kFileHeaderSize + headerSize;
    if (compression == BI_BITFIELDS && headerSize == bitmap_header::kInfoHeaderSize)
        tableEnd += 12;
    std::uint64_t colors = std::min<std::uint32_t>(colorsUsed, 256);
    if (colors == 0 && bitCount <= 8)
        colors = std::uint64_t{1} << bitCount;
    tableEnd += colors * entrySize;

    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
    const std::uint64_t pixelBytes =
        (compression == BI_RLE8 || compression == BI_RLE4) ? sizeImage : stride * static_cast<std::uint64_t>(height);
    const std::uint64_t pixelsAt = offBits != 0 ? offBits : tableEnd;
    if (tableEnd > file.size || pixelsAt < kFileHeaderSize + headerSize || pixelsAt + pixelBytes > file.size)
        return std::nullopt;
    return BitmapLayout{topDown, pixelsAt, pixelBytes};
}

// The loaded bitmap's pixels as 32-bit rows, top row first.
std::optional<RgbImage> pixelsOf(HBITMAP bitmap)
{
    DIBSECTION section{};
    if (GetObjectA(bitmap, sizeof section, &section) == 0)
        return std::nullopt;
    const int width = section.dsBm.bmWidth;
    const int height = std::abs(section.dsBm.bmHeight);
    if (width < 1 || height < 1 || width > kMaxBitmapSide || height > kMaxBitmapSide)
        return std::nullopt;

    RgbImage image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    BITMAPINFO info = topDownRgbInfo(width, height);
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc)
        return std::nullopt;
    const int lines = GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), image.pixels.data(), &info, DIB_RGB_COLORS);
    DeleteDC(dc);
    if (lines != height)
        return std::nullopt;
    for (std::uint32_t& pixel : image.pixels)
        pixel &= 0x00FFFFFF;
    return image;
}

// A top-down file (whose pixels Wine's LoadImage leaves out) goes through the conversion the
// loader itself uses: the file's own header and pixels into a DIB section.
std::optional<RgbImage> topDownPixels(const std::string& path, const BitmapFile& file, const BitmapLayout& layout)
{
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(layout.pixelBytes));
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(layout.pixelsAt);
    DWORD got = 0;
    const bool read = SetFilePointerEx(handle, at, nullptr, FILE_BEGIN) &&
                      ReadFile(handle, pixels.data(), static_cast<DWORD>(pixels.size()), &got, nullptr) &&
                      got == pixels.size();
    CloseHandle(handle);
    if (!read)
        return std::nullopt;
    // The header, masks and colour table all lie in the prefix already read; aligned here.
    std::vector<std::uint32_t> header((file.prefix.size() - kFileHeaderSize + 3) / 4);
    std::memcpy(header.data(), file.prefix.data() + kFileHeaderSize, file.prefix.size() - kFileHeaderSize);
    const auto* info = reinterpret_cast<const BITMAPINFO*>(header.data());
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!section)
        return std::nullopt;
    HDC dc = CreateCompatibleDC(nullptr);
    const UINT height = static_cast<UINT>(std::abs(info->bmiHeader.biHeight));
    const bool copied =
        dc && SetDIBits(dc, section, 0, height, pixels.data(), info, DIB_RGB_COLORS) == static_cast<int>(height);
    if (dc)
        DeleteDC(dc);
    std::optional<RgbImage> image = copied ? pixelsOf(section) : std::nullopt;
    DeleteObject(section);
    return image;
}

} // namespace

std::optional<RgbImage> loadBitmapFile(const std::string& path)
{
    const std::optional<BitmapFile> file = readBitmapPrefix(path);
    const std::optional<BitmapLayout> layout = file ? loadableLayout(*file) : std::nullopt;
    if (!layout)
        return std::nullopt;
    if (layout->topDown)
        return topDownPixels(path, *file, *layout);
    auto* bitmap = static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!bitmap)
        return std::nullopt;
    std::optional<RgbImage> image = pixelsOf(bitmap);
    DeleteObject(bitmap);
    return image;
}

BITMAPINFO topDownRgbInfo(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

} // namespace win32_bitmap
