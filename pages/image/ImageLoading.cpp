#include "pages/image/ImagePage.h"

#include "core/RomFile.h"
#include "core/ui/StatusLine.h"
#include "pages/image/Lz77.h"

#include <array>
#include <optional>
#include <vector>

namespace {

// What is read from an entry's offset: enough for any stream the work buffer can hold.
constexpr std::size_t kPictureReadSize = 10240;
constexpr std::size_t kPaletteReadSize = 40;
// Four frames: the most a picture can have.
constexpr std::size_t kWorkBufferSize = Picture::kFrameTileBytes * Picture::kMaxFrames;

// Reads and decodes the stream at offset into work; on failure says why, in the words of the
// function named, and gives nothing.
std::optional<lz77::DecompressResult> decodeStream(PageContext& context, const char* function, std::uint32_t offset,
                                                   std::size_t readSize, const char* notFoundText,
                                                   std::vector<std::uint8_t>& work)
{
    const ResultOf<std::vector<std::uint8_t>> source = readFileWindow(context.romPath(), offset, readSize);
    if (!source.ok()) {
        statusPrint(context.statusLine(), "%s を実行中にエラーが発生しました。%s", function, source.errorText().c_str());
        return std::nullopt;
    }
    const lz77::DecompressResult result = lz77::Decompress(*source, work);
    if (result.status == lz77::DecompressStatus::NotCompressed) {
        if (IShell* shell = context.shell())
            shell->messageBox(nullptr, notFoundText, "Error!", MessageButtons::Ok, MessageIcon::Error);
        return std::nullopt;
    }
    if (result.status != lz77::DecompressStatus::Done) {
        statusPrint(context.statusLine(), "%s よくわかんないけどエラー。", function);
        return std::nullopt;
    }
    return result;
}

} // namespace

void CImage::LoadImage(std::uint32_t offset, bool front)
{
    const ImageItem item = front ? ImageItem::FrontPicture : ImageItem::BackPicture;
    m_loaded[index(item)] = false;
    m_storedSizes[index(item)] = 0;
    std::vector<std::uint8_t> work(kWorkBufferSize, 0);
    const auto result = decodeStream(context(), "CImage::LoadImage", offset, kPictureReadSize,
                                     front ? "通常画像の圧縮データが見つかりませんでした。"
                                           : "後ろ画像の圧縮データが見つかりませんでした。",
                                     work);
    if (!result)
        return;
    const int frames = static_cast<int>(result->produced / Picture::kFrameTileBytes);
    Picture& picture = front ? m_frontPicture : m_backPicture;
    unpackTiles(work, frames, picture);
    (front ? m_frontFrames : m_backFrames) = frames;
    m_storedSizes[index(item)] = result->end;
    // Only whole frames are shown and written back: a stream with a part frame is shown but
    // never written, which would drop that part.
    m_loaded[index(item)] = frames > 0 && result->produced % Picture::kFrameTileBytes == 0;
}

void CImage::LoadPal(std::uint32_t offset, bool normal)
{
    const ImageItem item = normal ? ImageItem::NormalPalette : ImageItem::ShinyPalette;
    m_loaded[index(item)] = false;
    m_storedSizes[index(item)] = 0;
    std::vector<std::uint8_t> work(kWorkBufferSize, 0);
    const auto result = decodeStream(context(), "CImage::LoadPal", offset, kPaletteReadSize,
                                     normal ? "パレットの圧縮データが見つかりませんでした。"
                                            : "色違いパレットの圧縮データが見つかりませんでした。",
                                     work);
    if (!result)
        return;
    // A stream shorter than a palette leaves the remaining colours black.
    (normal ? m_normalPalette : m_shinyPalette) = paletteFromGba(std::span(work).first<kGbaPaletteBytes>());
    m_storedSizes[index(item)] = result->end;
    m_loaded[index(item)] = true;
}
