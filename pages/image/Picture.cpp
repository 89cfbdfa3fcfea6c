#include "pages/image/Picture.h"

namespace {

constexpr int kTileSize = 8;
constexpr int kTilesPerRow = Picture::kWidth / kTileSize;

bool fits(std::size_t tileBytes, int frames)
{
    return frames >= 0 && frames <= Picture::kMaxFrames
        && tileBytes >= Picture::kFrameTileBytes * static_cast<std::size_t>(frames);
}

// Visits the pixels in tile order, two to a byte: fn(byteIndex, highNibble, x, y).
template <typename Fn>
void forEachTilePixel(int frames, Fn fn)
{
    std::size_t nibble = 0;
    for (int tileRow = 0; tileRow < kTilesPerRow * frames; ++tileRow)
        for (int tileColumn = 0; tileColumn < kTilesPerRow; ++tileColumn)
            for (int y = 0; y < kTileSize; ++y)
                for (int x = 0; x < kTileSize; ++x, ++nibble)
                    fn(nibble / 2, nibble % 2 == 1, tileColumn * kTileSize + x, tileRow * kTileSize + y);
}

} // namespace

bool unpackTiles(std::span<const std::uint8_t> tiles, int frames, Picture& picture)
{
    if (!fits(tiles.size(), frames))
        return false;
    forEachTilePixel(frames, [&](std::size_t byte, bool high, int x, int y) {
        picture.at(x, y) = high ? tiles[byte] >> 4 : tiles[byte] & 0x0F;
    });
    return true;
}

bool packTiles(const Picture& picture, int frames, std::span<std::uint8_t> tiles)
{
    if (!fits(tiles.size(), frames))
        return false;
    forEachTilePixel(frames, [&](std::size_t byte, bool high, int x, int y) {
        const std::uint8_t index = picture.at(x, y) & 0x0F;
        tiles[byte] = high ? static_cast<std::uint8_t>((tiles[byte] & 0x0F) | index << 4) : index;
    });
    return true;
}
