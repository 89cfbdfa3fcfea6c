#include "pages/image/ImagePage.h"

#include "core/RomFile.h"
#include "core/ui/StatusLine.h"
#include "pages/image/Lz77.h"

#include <array>
#include <vector>

namespace {

// What is read from an entry's offset: enough for any stream the work buffer can hold.
constexpr std::size_t kPictureReadSize = 10240;
constexpr std::size_t kPaletteReadSize = 40;
// Four frames: the most a picture can have.
constexpr std::size_t kWorkBufferSize = Picture::kFrameTileBytes * Picture::kMaxFrames;

// The compressed bytes at offset; nothing (and the system's text) when the file cannot be
// opened or holds no byte there.
std::vector<std::uint8_t> readSource(const std::string& path, std::uint32_t offset, std::size_t size,
                                     std::string& errorText)
{
    RomFile file = RomFile::openForReading(path);
    std::vector<std::uint8_t> bytes(size);
    const std::int64_t got = file.isOpen() && file.seek(offset) ? file.readSome(bytes) : -1;
    if (got <= 0) {
        errorText = got == 0 ? endOfFileErrorText() : file.errorText();
        return {};
    }
    bytes.resize(static_cast<std::size_t>(got));
    return bytes;
}

} // namespace

void CImage::LoadImage(std::uint32_t offset, bool front)
{
    const ImageItem item = front ? ImageItem::FrontPicture : ImageItem::BackPicture;
    m_loaded[index(item)] = false;
    m_storedSizes[index(item)] = 0;
    std::string errorText;
    const std::vector<std::uint8_t> source = readSource(context().romPath(), offset, kPictureReadSize, errorText);
    if (source.empty()) {
        statusPrint(context().statusLine(), "CImage::LoadImage を実行中にエラーが発生しました。%s", errorText.c_str());
        return;
    }
    std::vector<std::uint8_t> work(kWorkBufferSize, 0);
    const lz77::DecompressResult result = lz77::Decompress(source, work);
    if (result.status == lz77::DecompressStatus::NotCompressed) {
        if (IShell* shell = context().shell())
            shell->messageBox(nullptr,
                              front ? "通常画像の圧縮データが見つかりませんでした。"
                                    : "後ろ画像の圧縮データが見つかりませんでした。",
                              "Error!", MessageButtons::Ok, MessageIcon::Error);
        return;
    }
    if (result.status != lz77::DecompressStatus::Done) {
        statusShow(context().statusLine(), "CImage::LoadImage よくわかんないけどエラー。");
        return;
    }
    const int frames = static_cast<int>(result.produced / Picture::kFrameTileBytes);
    Picture& picture = front ? m_frontPicture : m_backPicture;
    unpackTiles(work, frames, picture);
    (front ? m_frontFrames : m_backFrames) = frames;
    m_storedSizes[index(item)] = result.end;
    m_loaded[index(item)] = true;
}

void CImage::LoadPal(std::uint32_t offset, bool normal)
{
    const ImageItem item = normal ? ImageItem::NormalPalette : ImageItem::ShinyPalette;
    m_loaded[index(item)] = false;
    m_storedSizes[index(item)] = 0;
    std::string errorText;
    const std::vector<std::uint8_t> source = readSource(context().romPath(), offset, kPaletteReadSize, errorText);
    if (source.empty()) {
        statusPrint(context().statusLine(), "CImage::LoadPal を実行中にエラーが発生しました。%s", errorText.c_str());
        return;
    }
    std::vector<std::uint8_t> work(kWorkBufferSize, 0);
    const lz77::DecompressResult result = lz77::Decompress(source, work);
    if (result.status == lz77::DecompressStatus::NotCompressed) {
        if (IShell* shell = context().shell())
            shell->messageBox(nullptr,
                              normal ? "パレットの圧縮データが見つかりませんでした。"
                                     : "色違いパレットの圧縮データが見つかりませんでした。",
                              "Error!", MessageButtons::Ok, MessageIcon::Error);
        return;
    }
    if (result.status != lz77::DecompressStatus::Done) {
        statusShow(context().statusLine(), "CImage::LoadPal よくわかんないけどエラー。");
        return;
    }
    // A stream shorter than a palette leaves the remaining colours black.
    (normal ? m_normalPalette : m_shinyPalette) = paletteFromGba(std::span(work).first<kGbaPaletteBytes>());
    m_storedSizes[index(item)] = result.end;
    m_loaded[index(item)] = true;
}
