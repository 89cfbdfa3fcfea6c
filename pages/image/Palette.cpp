#include "pages/image/Palette.h"

#include "core/LittleEndian.h"

namespace {

constexpr std::uint32_t kRampStep = 0x111111;
constexpr std::uint32_t kWhite = 0xFFFFFF;

} // namespace

Palette paletteFromGba(std::span<const std::uint8_t, kGbaPaletteBytes> data)
{
    Palette palette{};
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::uint32_t v = little_endian::get16(data, 2 * i);
        const std::uint32_t red = (v & 0x1F) * 8;
        const std::uint32_t green = ((v >> 5) & 0x1F) * 8;
        const std::uint32_t blue = ((v >> 10) & 0x1F) * 8;
        palette[i] = red | green << 8 | blue << 16;
    }
    return palette;
}

std::array<std::uint8_t, kGbaPaletteBytes> paletteToGba(const Palette& palette)
{
    std::array<std::uint8_t, kGbaPaletteBytes> data{};
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::uint32_t colour = palette[i];
        const std::uint32_t red = (colour & 0xFF) >> 3;
        const std::uint32_t green = ((colour >> 8) & 0xFF) >> 3;
        const std::uint32_t blue = ((colour >> 16) & 0xFF) >> 3;
        const std::uint32_t v = red | green << 5 | blue << 10;
        little_endian::set16(data, 2 * i, static_cast<std::uint16_t>(v));
    }
    return data;
}

Palette greyRamp()
{
    Palette palette{};
    for (std::uint32_t i = 0; i < palette.size(); ++i)
        palette[i] = i * kRampStep;
    return palette;
}

Palette invertedGreyRamp()
{
    Palette palette{};
    for (std::uint32_t i = 0; i < palette.size(); ++i)
        palette[i] = kWhite - i * kRampStep;
    return palette;
}
