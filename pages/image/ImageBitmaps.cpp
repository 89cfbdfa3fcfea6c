#include "pages/image/BitmapFile.h"
#include "pages/image/ImagePage.h"

#include "core/ui/StatusLine.h"

#include <optional>
#include <string>

namespace {

FileChooserRequest bitmapRequest(FileChooserRequest::Mode mode)
{
    return {mode, {{"BitMap(*.bmp)", "*.bmp"}, {"All files(*.*)", "*.*"}}, "bmp", "ビットマップを選択してください"};
}

} // namespace

// The picture and its frame count come from the same picture: the back one when its box is
// checked, the front one otherwise.
void CImage::SaveBitMap()
{
    IStatusLine* status = context().statusLine();
    if (!m_options.front && !m_options.back)
        statusShow(status, "CImage::SaveBitMap 保存する画像を選んでください。");
    if (!m_options.normalPalette && !m_options.shinyPalette)
        statusShow(status, "CImage::SaveBitMap 保存するパレットを選んでください。");
    IShell* shell = context().shell();
    if (!shell)
        return;
    const std::optional<std::string> path = shell->chooseBitmapFile(bitmapRequest(FileChooserRequest::Mode::Save));
    if (!path)
        return;
    const bool back = m_options.back;
    const Picture& picture = back ? m_backPicture : m_frontPicture;
    const int frames = back ? m_backFrames : m_frontFrames;
    const Palette& palette = m_options.normalPalette ? m_normalPalette : m_shinyPalette;
    if (Result saved = saveBitmapFile(*path, picture, frames, palette); !saved.ok())
        statusPrint(status, "CImage::SaveBitMap を実行中にエラーが発生しました。%s", saved.errorText().c_str());
}

// A palette read from the file stays even when its picture is then refused. A palette box
// makes the palette this entry's own, so it may be written; a picture keeps the frame count
// of what was loaded.
void CImage::ReadBitMap()
{
    IShell* shell = context().shell();
    if (!shell)
        return;
    const std::optional<std::string> path = shell->chooseBitmapFile(bitmapRequest(FileChooserRequest::Mode::Open));
    if (!path)
        return;
    const bool picture = m_options.front || m_options.back;
    const int frames = m_options.front ? m_frontFrames : m_backFrames;
    const BitmapImport import = readBitmapFile(*path, picture ? std::optional<int>(frames) : std::nullopt);

    if (import.hasPalette && (m_options.normalPalette || m_options.shinyPalette)) {
        const ImageItem item = m_options.normalPalette ? ImageItem::NormalPalette : ImageItem::ShinyPalette;
        (m_options.normalPalette ? m_normalPalette : m_shinyPalette) = import.palette;
        m_loaded[index(item)] = true;
    }
    if (import.hasPicture)
        (m_options.front ? m_frontPicture : m_backPicture) = import.picture;

    if (!import.status.ok())
        statusPrint(context().statusLine(), "%s", import.status.errorText().c_str());
}
