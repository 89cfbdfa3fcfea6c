#pragma once

#include "core/GameSettings.h"
#include "core/WindowBase.h"
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

    const Palette& normalPalette() const { return m_normalPalette; }
    const Palette& shinyPalette() const { return m_shinyPalette; }
    const Picture& frontPicture() const { return m_frontPicture; }
    const Picture& backPicture() const { return m_backPicture; }
    int frontFrames() const { return m_frontFrames; }
    int backFrames() const { return m_backFrames; }

private:
    static std::size_t index(ImageItem item) { return static_cast<std::size_t>(item); }
    void freeTables();

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
};
