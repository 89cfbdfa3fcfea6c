#pragma once

#include "core/GameSettings.h"
#include "core/WindowBase.h"
#include "core/ui/DialogControls.h"
#include "pages/image/DomainSearch.h"
#include "pages/image/ImageDialog.h"
#include "pages/image/Palette.h"
#include "pages/image/Picture.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The four things the page keeps per monster, in the order of its pointer tables.
enum class ImageItem { FrontPicture, NormalPalette, BackPicture, ShinyPalette };
inline constexpr std::size_t kImageItemCount = 4;

// Where "をRomに保存" puts data that is not written in place.
enum class OutputMode : std::uint32_t { Domain1, Domain2, Domain3, Append };

// Pointer table entry: a cartridge pointer to the compressed data, then four bytes the page
// carries through untouched.
namespace image_entry {
inline constexpr std::size_t kSize = 8;
inline constexpr std::size_t kPointer = 0;
} // namespace image_entry

class CImage : public CWindowBase {
public:
    static constexpr std::size_t kDomainCount = 3;

    explicit CImage(PageContext& context);

    void Reset() override;
    void InitDialog(WindowHandle dialog) override;
    int DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void LoadSettings(const std::string& section) override;
    bool DataRead(RomFile& file) override;
    bool DataWrite(RomFile& file) override;
    void Release() override;
    int DialogId() override { return image_dialog::kTemplateId; }

    std::int32_t picsNum() const { return m_picsNum; }
    std::int32_t tableOffset(ImageItem item) const { return m_tableOffsets[index(item)]; }
    // Empty when not loaded.
    std::span<const std::uint8_t> table(ImageItem item) const { return m_tables[index(item)]; }
    bool hasTables() const { return !m_tables[0].empty(); }
    // The cartridge pointer of one entry; 0 for an entry the table does not hold.
    std::uint32_t entryPointer(ImageItem item, std::int32_t entry) const;
    const WriteArea& domain(std::size_t number) const { return m_domains[number]; }
    std::int32_t currentIndex() const { return m_currentIndex; }
    OutputMode outputMode() const { return m_outputMode; }
    // The true length of the item's stream as last loaded or written; 0 when it did not load.
    std::size_t storedSize(ImageItem item) const { return m_storedSizes[index(item)]; }

    const Palette& normalPalette() const { return m_normalPalette; }
    const Palette& shinyPalette() const { return m_shinyPalette; }
    const Picture& frontPicture() const { return m_frontPicture; }
    const Picture& backPicture() const { return m_backPicture; }
    int frontFrames() const { return m_frontFrames; }
    int backFrames() const { return m_backFrames; }

    // Compresses the item and writes it into the ROM file: in place when allowed and it fits,
    // else into the chosen domain or at the end of the file; then points the entry at it.
    void ReCompress(ImageItem item);

private:
    // The check boxes and options the page keeps while its dialog comes and goes.
    struct Options {
        bool front = false;
        bool normalPalette = false;
        bool back = false;
        bool shinyPalette = false;
        bool noCompression = false;
        bool inPlace = false;
    };

    static std::size_t index(ImageItem item) { return static_cast<std::size_t>(item); }
    void freeTables();
    std::uint32_t currentOffset(ImageItem item) const;
    void setCurrentPointer(ImageItem item, std::uint32_t pointer);

    // The dialog (ImagePageDialog.cpp).
    void showEntry(IDialogControls& controls);
    void paint(IDialogControls& controls) const;
    void layOutViews(IDialogControls& controls) const;
    void showTypedIndex(IDialogControls& controls);
    void step(IDialogControls& controls, int delta);
    void toggleSelection(IDialogControls& controls, int id);
    void chooseOutputMode(IDialogControls& controls, int id);
    void writeSelected(IDialogControls& controls);
    void RePoint(IDialogControls& controls, ImageItem item);

    // Reading from the ROM (ImageLoading.cpp).
    void LoadImage(std::uint32_t offset, bool front);
    void LoadPal(std::uint32_t offset, bool normal);

    // Bitmap files (ImageBitmaps.cpp).
    void SaveBitMap();
    void ReadBitMap();

    // Writing into the ROM (ImageWriteOut.cpp): each encoder returns the size of its stream.
    std::size_t CompressImage(bool front, std::span<std::uint8_t> stream) const;
    std::size_t CompressPal(bool normal, std::span<std::uint8_t> stream) const;
    std::vector<UsedBytes> streamsIn(RomFile& file, const WriteArea& domain) const;

    Palette m_normalPalette{};
    Palette m_shinyPalette{};
    Picture m_frontPicture;
    Picture m_backPicture;

    std::array<std::vector<std::uint8_t>, kImageItemCount> m_tables;
    std::int32_t m_currentIndex = 0;
    std::int32_t m_picsNum = kNotConfigured;
    std::array<std::int32_t, kImageItemCount> m_tableOffsets{};
    // Configured, but the tables could not be allocated: the read must say so.
    bool m_allocationFailed = false;
    int m_frontFrames = 1;
    int m_backFrames = 1;
    std::array<WriteArea, kDomainCount> m_domains{};
    std::array<std::size_t, kImageItemCount> m_storedSizes{};
    // Whether the current entry's item is in memory: a failed load leaves another monster's
    // data behind, which must never be written into this monster's entry.
    std::array<bool, kImageItemCount> m_loaded{};
    Options m_options;
    OutputMode m_outputMode = OutputMode::Domain1;
};
