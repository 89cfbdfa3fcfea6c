#include "pages/image/ImagePage.h"

#include "core/CartridgePointer.h"
#include "core/NumberParsing.h"
#include "core/ui/WindowMessages.h"
#include "pages/image/ImageDialog.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace image_dialog;

namespace {

// Pixels of the page's dialog. Views and strips are as large as their pictures; the margins
// between them are the dialog's own background.
constexpr int kViewMargin = 4;
constexpr int kLeftColumn = 4;
constexpr int kRightColumn = kLeftColumn + Picture::kWidth + kViewMargin;
constexpr int kViewsTop = 120;
constexpr int kStripLeft = 4;
constexpr int kNormalStripTop = 88;
constexpr int kShinyStripTop = 100;
constexpr int kSwatch = 8;
constexpr int kStripWidth = kSwatch * static_cast<int>(std::tuple_size_v<Palette>);

// Palette colours keep red in the low byte; picture controls take it in the high one.
std::uint32_t shownColour(std::uint32_t colour)
{
    return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}

std::vector<std::uint32_t> pictureColours(const Picture& picture, int frames, const Palette& palette)
{
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(Picture::kWidth * Picture::kFrameHeight * frames));
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = shownColour(palette[picture.pixels[i] & 0x0F]);
    return pixels;
}

std::vector<std::uint32_t> stripColours(const Palette& palette)
{
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(kStripWidth * kSwatch));
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = shownColour(palette[(i % static_cast<std::size_t>(kStripWidth)) / kSwatch]);
    return pixels;
}

void showPicture(IDialogControls& controls, int id, const Picture& picture, int frames, const Palette& palette)
{
    controls.showPixels(id, Picture::kWidth, Picture::kFrameHeight * frames, pictureColours(picture, frames, palette));
}

} // namespace

void CImage::InitDialog(WindowHandle)
{
    IDialogControls* controls = this->controls();
    if (!controls)
        return;
    const bool editable = !context().romPath().empty() && hasTables();
    for (int id : kAllControls)
        controls->setEnabled(id, editable);
    if (!editable) {
        paint(*controls);
        return;
    }
    for (std::size_t i = 0; i < kDomainCount; ++i)
        controls->setEnabled(kOutputModes[i], m_domains[i].isSet());
    controls->setChecked(kFrontSelected, m_options.front);
    controls->setChecked(kNormalPaletteSelected, m_options.normalPalette);
    controls->setChecked(kBackSelected, m_options.back);
    controls->setChecked(kShinyPaletteSelected, m_options.shinyPalette);
    controls->setChecked(kNoCompression, m_options.noCompression);
    controls->setChecked(kInPlace, m_options.inPlace);
    for (std::size_t mode = 0; mode < kOutputModes.size(); ++mode)
        controls->setChecked(kOutputModes[mode], mode == static_cast<std::size_t>(m_outputMode));
    showEntry(*controls);
}

int CImage::DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t)
{
    const auto command = window_message::asCommand(message, wParam);
    IDialogControls* controls = this->controls();
    if (!command || !controls || command->code != window_message::kButtonClicked || !hasTables())
        return 0;
    const int id = command->id;
    for (std::size_t i = 0; i < kRePoints.size(); ++i) {
        if (id == kRePoints[i]) {
            RePoint(*controls, static_cast<ImageItem>(i));
            return 0;
        }
    }
    if (std::find(kOutputModes.begin(), kOutputModes.end(), id) != kOutputModes.end()) {
        chooseOutputMode(*controls, id);
        return 0;
    }
    switch (id) {
    case kShow:
        showTypedIndex(*controls);
        break;
    case kNext:
        step(*controls, 1);
        break;
    case kPrevious:
        step(*controls, -1);
        break;
    case kImport:
        ReadBitMap();
        paint(*controls);
        break;
    case kExport:
        SaveBitMap();
        break;
    case kWrite:
        writeSelected(*controls);
        break;
    case kFrontSelected:
    case kBackSelected:
    case kNormalPaletteSelected:
    case kShinyPaletteSelected:
        toggleSelection(*controls, id);
        break;
    case kNoCompression:
        m_options.noCompression = controls->isChecked(kNoCompression);
        break;
    case kInPlace:
        m_options.inPlace = controls->isChecked(kInPlace);
        break;
    default:
        break;
    }
    return 0;
}

// The offsets, the index, then the four items loaded afresh from the ROM.
void CImage::showEntry(IDialogControls& controls)
{
    for (std::size_t i = 0; i < kImageItemCount; ++i)
        controls.setText(kAddresses[i], hexText(currentOffset(static_cast<ImageItem>(i))));
    controls.setText(kIndex, std::to_string(m_currentIndex));
    LoadImage(currentOffset(ImageItem::FrontPicture), true);
    LoadImage(currentOffset(ImageItem::BackPicture), false);
    LoadPal(currentOffset(ImageItem::NormalPalette), true);
    LoadPal(currentOffset(ImageItem::ShinyPalette), false);
    paint(controls);
}

// Each view and strip fits its picture exactly, so that the picture shows 1:1 with nothing of
// the control around it.
void CImage::paint(IDialogControls& controls) const
{
    showPicture(controls, kFrontNormalView, m_frontPicture, m_frontFrames, m_normalPalette);
    showPicture(controls, kBackNormalView, m_backPicture, m_backFrames, m_normalPalette);
    showPicture(controls, kFrontShinyView, m_frontPicture, m_frontFrames, m_shinyPalette);
    showPicture(controls, kBackShinyView, m_backPicture, m_backFrames, m_shinyPalette);
    controls.showPixels(kNormalStrip, kStripWidth, kSwatch, stripColours(m_normalPalette));
    controls.showPixels(kShinyStrip, kStripWidth, kSwatch, stripColours(m_shinyPalette));
    layOutViews(controls);
}

// The front picture above the back one; the normal palette on the left, the shiny on the right.
void CImage::layOutViews(IDialogControls& controls) const
{
    const int frontHeight = Picture::kFrameHeight * m_frontFrames;
    const int backHeight = Picture::kFrameHeight * m_backFrames;
    const int backTop = kViewsTop + frontHeight + kViewMargin;
    controls.moveControl(kNormalStrip, {kStripLeft, kNormalStripTop, kStripWidth, kSwatch});
    controls.moveControl(kShinyStrip, {kStripLeft, kShinyStripTop, kStripWidth, kSwatch});
    controls.moveControl(kFrontNormalView, {kLeftColumn, kViewsTop, Picture::kWidth, frontHeight});
    controls.moveControl(kFrontShinyView, {kRightColumn, kViewsTop, Picture::kWidth, frontHeight});
    controls.moveControl(kBackNormalView, {kLeftColumn, backTop, Picture::kWidth, backHeight});
    controls.moveControl(kBackShinyView, {kRightColumn, backTop, Picture::kWidth, backHeight});
}

void CImage::showTypedIndex(IDialogControls& controls)
{
    const std::int32_t typed = parseDecimal(controls.text(kIndex, kNumberInputLength));
    m_currentIndex = std::clamp(typed, 0, m_picsNum - 1);
    showEntry(controls);
}

void CImage::step(IDialogControls& controls, int delta)
{
    const std::int64_t next = std::int64_t{m_currentIndex} + delta;
    if (next < 0 || next >= m_picsNum)
        return;
    m_currentIndex = static_cast<std::int32_t>(next);
    showEntry(controls);
}

// Each picture box excludes the other, and so does each palette box.
void CImage::toggleSelection(IDialogControls& controls, int id)
{
    struct Pair {
        int box;
        bool Options::*flag;
        int other;
        bool Options::*otherFlag;
    };
    static constexpr Pair kPairs[] = {
        {kFrontSelected, &Options::front, kBackSelected, &Options::back},
        {kBackSelected, &Options::back, kFrontSelected, &Options::front},
        {kNormalPaletteSelected, &Options::normalPalette, kShinyPaletteSelected, &Options::shinyPalette},
        {kShinyPaletteSelected, &Options::shinyPalette, kNormalPaletteSelected, &Options::normalPalette},
    };
    for (const Pair& pair : kPairs) {
        if (pair.box != id)
            continue;
        m_options.*pair.flag = controls.isChecked(id);
        if (m_options.*pair.flag && m_options.*pair.otherFlag) {
            m_options.*pair.otherFlag = false;
            controls.setChecked(pair.other, false);
        }
    }
}

void CImage::chooseOutputMode(IDialogControls& controls, int id)
{
    for (std::size_t mode = 0; mode < kOutputModes.size(); ++mode) {
        controls.setChecked(kOutputModes[mode], kOutputModes[mode] == id);
        if (kOutputModes[mode] == id)
            m_outputMode = static_cast<OutputMode>(mode);
    }
}

void CImage::writeSelected(IDialogControls& controls)
{
    if (m_options.front)
        ReCompress(ImageItem::FrontPicture);
    if (m_options.back)
        ReCompress(ImageItem::BackPicture);
    if (m_options.normalPalette)
        ReCompress(ImageItem::NormalPalette);
    if (m_options.shinyPalette)
        ReCompress(ImageItem::ShinyPalette);
    showEntry(controls);
}

// The typed address becomes the entry's pointer in memory only; the next save writes it.
// Whatever lies there is unknown, so no stream is written over it in place.
void CImage::RePoint(IDialogControls& controls, ImageItem item)
{
    const std::uint32_t address = parseHex(controls.text(kAddresses[index(item)], kNumberInputLength));
    setCurrentPointer(item, address | cartridge::kBaseBit);
    m_storedSizes[index(item)] = 0;
}
