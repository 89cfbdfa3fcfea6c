#include "pages/image/ImagePage.h"

#include "core/CartridgePointer.h"
#include "core/RomFile.h"
#include "core/ui/StatusLine.h"
#include "pages/image/DomainSearch.h"
#include "pages/image/Lz77.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace {

constexpr std::size_t kLargestPicture = Picture::kFrameTileBytes * Picture::kMaxFrames;
// Four frames stored literally take more than the work buffer of four decoded frames.
constexpr std::size_t kStreamBufferSize = lz77::compressedBound(kLargestPicture);
// A cartridge pointer reaches no further than the 32 MiB of the largest cartridge.
constexpr std::int64_t kAppendLimit = 0x2000000;
constexpr std::int64_t kAlignment = 4;
constexpr std::uint8_t kFree = 0xFF;

bool isPicture(ImageItem item)
{
    return item == ImageItem::FrontPicture || item == ImageItem::BackPicture;
}

// Where the decoder stops reading the stream: its length without the last block's padding.
std::size_t trueLength(std::span<const std::uint8_t> stream)
{
    std::vector<std::uint8_t> decoded(kLargestPicture);
    return lz77::Decompress(stream, decoded).end;
}

} // namespace

// Every stream an entry of the four tables points at inside the domain, as far as the
// decoder reads it: a later write into the domain must leave them whole.
std::vector<UsedBytes> CImage::streamsIn(RomFile& file, const WriteArea& domain) const
{
    std::vector<UsedBytes> used;
    if (!domain.isSet())
        return used;
    std::vector<std::uint8_t> source(kStreamBufferSize);
    std::vector<std::uint8_t> decoded(kLargestPicture);
    for (std::size_t item = 0; item < kImageItemCount; ++item) {
        for (std::int32_t entry = 0; entry < m_picsNum; ++entry) {
            const std::int64_t offset = cartridge::offsetWithoutBaseBit(entryPointer(static_cast<ImageItem>(item), entry));
            if (offset < domain.start || offset >= static_cast<std::int64_t>(domain.start) + domain.length)
                continue;
            if (!file.seek(offset).ok())
                continue;
            const ResultOf<std::int64_t> got = file.readSome(source);
            if (!got.ok() || *got == 0)
                continue;
            const lz77::DecompressResult stream
                = lz77::Decompress(std::span(source).first(static_cast<std::size_t>(*got)), decoded);
            if (stream.status != lz77::DecompressStatus::NotCompressed)
                used.push_back({offset, offset + static_cast<std::int64_t>(std::max<std::size_t>(stream.end, 1))});
        }
    }
    return used;
}

std::size_t CImage::CompressImage(bool front, std::span<std::uint8_t> stream) const
{
    const int frames = front ? m_frontFrames : m_backFrames;
    std::vector<std::uint8_t> tiles(Picture::kFrameTileBytes * static_cast<std::size_t>(std::max(frames, 0)));
    if (!packTiles(front ? m_frontPicture : m_backPicture, frames, tiles))
        return 0;
    return lz77::Compress(tiles, stream, m_options.noCompression);
}

std::size_t CImage::CompressPal(bool normal, std::span<std::uint8_t> stream) const
{
    const std::array<std::uint8_t, kGbaPaletteBytes> colours = paletteToGba(normal ? m_normalPalette : m_shinyPalette);
    return lz77::Compress(colours, stream, m_options.noCompression);
}

// The data is written before the entry points at it, so a failure leaves the entry as it was.
// In place, the new stream must fit in the old one's true length: the decoder's count of an
// unpadded stream reaches up to seven bytes into whatever follows it. Only the new stream's
// padding may then be left off, which the decoder never reads.
void CImage::ReCompress(ImageItem item)
{
    IStatusLine* status = context().statusLine();
    if (!hasTables())
        return;
    if (!m_loaded[index(item)]) {
        statusShow(status, "CImage::ReCompress 読み込めなかったデータは書き込めません。");
        return;
    }
    std::vector<std::uint8_t> stream(kStreamBufferSize);
    const std::size_t size = isPicture(item) ? CompressImage(item == ImageItem::FrontPicture, stream)
                                             : CompressPal(item == ImageItem::NormalPalette, stream);
    if (size == 0) {
        statusShow(status, "CImage::ReCompress 圧縮に失敗しました。");
        return;
    }
    statusShow(status, "");
    stream.resize(size);
    const std::size_t length = trueLength(stream);

    ResultOf<RomFile> file = context().openRomForWriting();
    if (!file.ok()) {
        statusPrint(status, "CImage::ReCompress を実行中にエラーが発生しました。%s", file.errorText().c_str());
        return;
    }
    const std::size_t oldLength = m_storedSizes[index(item)];
    std::uint32_t target = currentOffset(item);
    std::size_t written = size;
    if (m_options.inPlace && target != 0 && length <= oldLength) {
        written = std::min(size, oldLength);
    } else if (m_outputMode != OutputMode::Append) {
        context().setErrorText("");
        const WriteArea& domain = m_domains[static_cast<std::size_t>(m_outputMode)];
        const std::vector<UsedBytes> used = streamsIn(*file, domain);
        const ResultOf<std::optional<std::uint32_t>> found = searchDomain(*file, domain, size, used);
        if (!found.ok() || !*found) {
            context().setErrorText(found.errorText());
            statusPrint(status, "CImage::ReCompress 使用可能なスペースが見つかりません。 %s",
                        context().errorText().c_str());
            return;
        }
        target = **found;
    } else {
        const ResultOf<std::int64_t> fileSize = file->size();
        if (!fileSize.ok()) {
            statusPrint(status, "CImage::ReCompress %s", fileSize.errorText().c_str());
            return;
        }
        const std::int64_t end = *fileSize;
        const std::int64_t aligned = (end + kAlignment - 1) / kAlignment * kAlignment;
        if (aligned + static_cast<std::int64_t>(size) > kAppendLimit) {
            statusShow(status, "CImage::ReCompress ファイルが32MBを超えてしまうので追記できません。");
            return;
        }
        for (std::int64_t at = end; at < aligned; ++at) {
            if (Result padded = file->writeAt(at, std::span(&kFree, 1)); !padded.ok()) {
                statusPrint(status, "CImage::ReCompress %s", padded.errorText().c_str());
                return;
            }
        }
        target = static_cast<std::uint32_t>(aligned);
    }
    if (Result stored = file->writeAt(target, std::span(stream).first(written)); !stored.ok()) {
        statusPrint(status, "CImage::ReCompress %s", stored.errorText().c_str());
        return;
    }
    file->close();
    setCurrentPointer(item, target | cartridge::kBaseBit);
    m_storedSizes[index(item)] = length;
}
