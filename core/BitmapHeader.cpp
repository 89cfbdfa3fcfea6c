#include "core/BitmapHeader.h"

#include "core/LittleEndian.h"

namespace header = bitmap_header;
using little_endian::get16;
using little_endian::get32;

std::optional<BitmapHeader> readBitmapHeader(std::span<const std::uint8_t> file)
{
    if (file.size() < header::kFileHeaderSize + sizeof(std::uint32_t))
        return std::nullopt;
    BitmapHeader read;
    read.type = get16(file, header::kType);
    read.pixelDataOffset = get32(file, header::kPixelDataOffset);
    read.headerSize = get32(file, header::kInfoSize);
    if (read.headerSize == header::kCoreHeaderSize && file.size() >= header::kFileHeaderSize + header::kCoreHeaderSize) {
        read.width = get16(file, header::kCoreWidth);
        read.height = get16(file, header::kCoreHeight);
        read.planes = get16(file, header::kCorePlanes);
        read.bitsPerPixel = get16(file, header::kCoreBitsPerPixel);
        read.hasInfo = true;
    } else if (read.headerSize >= header::kInfoHeaderSize
               && file.size() >= header::kFileHeaderSize + header::kInfoHeaderSize) {
        read.width = static_cast<std::int32_t>(get32(file, header::kWidth));
        read.height = static_cast<std::int32_t>(get32(file, header::kHeight));
        read.planes = get16(file, header::kPlanes);
        read.bitsPerPixel = get16(file, header::kBitsPerPixel);
        read.compression = get32(file, header::kCompression);
        read.imageSize = get32(file, header::kImageSize);
        read.coloursUsed = get32(file, header::kColoursUsed);
        read.hasInfo = true;
    }
    return read;
}
