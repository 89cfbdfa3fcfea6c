#include "pages/image/ImagePage.h"

#include "core/CartridgePointer.h"
#include "core/TableBuffer.h"

#include <string_view>

namespace {

// Setting.ini keys of the pointer tables, in ImageItem order.
constexpr std::array<std::string_view, kImageItemCount> kTableKeys = {
    "MonsterPics", "MonsterPal", "MonsterBackPics", "MonsterShinyPal"};
constexpr std::array<std::string_view, CImage::kDomainCount> kDomainKeys = {"domain1", "domain2", "domain3"};

} // namespace

CImage::CImage(PageContext& context) : CWindowBase(context, "CImage")
{
}

void CImage::Reset()
{
    m_normalPalette = greyRamp();
    m_shinyPalette = invertedGreyRamp();
    m_frontPicture = Picture{};
    m_backPicture = Picture{};
    freeTables();
    m_currentIndex = 0;
    m_picsNum = kNotConfigured;
    m_tableOffsets.fill(kNotConfigured);
    m_frontFrames = 1;
    m_backFrames = 1;
    m_domains.fill(WriteArea{});
    m_storedSizes.fill(0);
    m_loaded.fill(false);
    m_options = Options{};
    m_outputMode = OutputMode::Domain1;
}

void CImage::LoadSettings(const std::string& section)
{
    const GameSettings settings = context().gameSettings(section);
    for (std::size_t i = 0; i < kImageItemCount; ++i)
        m_tableOffsets[i] = settings.offset(kTableKeys[i]);
    m_picsNum = settings.offset("PicsNum");
    for (std::size_t i = 0; i < kDomainCount; ++i)
        m_domains[i] = settings.area(kDomainKeys[i]);

    freeTables();
    bool configured = m_picsNum > 0;
    for (std::int32_t offset : m_tableOffsets)
        configured = configured && offset != kNotConfigured;
    if (configured) {
        for (auto& table : m_tables) {
            if (!allocateTable(table, m_picsNum, image_entry::kSize)) {
                freeTables();
                m_allocationFailed = true;
                break;
            }
        }
    }
    m_currentIndex = 0;
    m_loaded.fill(false);
}

bool CImage::DataRead(RomFile& file)
{
    if (m_picsNum <= 0)
        return true;
    if (m_allocationFailed)
        return failWith(std::string(kNoTableText));
    for (std::size_t i = 0; i < kImageItemCount; ++i) {
        if (m_tables[i].empty())
            continue;
        if (Result done = file.readAt(m_tableOffsets[i], m_tables[i]); !done.ok())
            return failWith(done);
    }
    return true;
}

bool CImage::DataWrite(RomFile& file)
{
    if (m_picsNum <= 0)
        return true;
    for (std::size_t i = 0; i < kImageItemCount; ++i) {
        if (m_tables[i].empty())
            continue;
        if (Result done = file.writeAt(m_tableOffsets[i], m_tables[i]); !done.ok())
            return failWith(done);
    }
    return true;
}

void CImage::Release()
{
    freeTables();
}

std::uint32_t CImage::entryPointer(ImageItem item, std::int32_t entry) const
{
    const std::vector<std::uint8_t>& table = m_tables[index(item)];
    if (entry < 0 || static_cast<std::size_t>(entry) >= table.size() / image_entry::kSize)
        return 0;
    return cartridge::readPointer(table, static_cast<std::size_t>(entry) * image_entry::kSize + image_entry::kPointer);
}

std::uint32_t CImage::currentOffset(ImageItem item) const
{
    return cartridge::offsetWithoutBaseBit(entryPointer(item, m_currentIndex));
}

void CImage::setCurrentPointer(ImageItem item, std::uint32_t pointer)
{
    std::vector<std::uint8_t>& table = m_tables[index(item)];
    const std::size_t at = static_cast<std::size_t>(m_currentIndex) * image_entry::kSize + image_entry::kPointer;
    if (m_currentIndex >= 0 && at + cartridge::kPointerSize <= table.size())
        little_endian::set32(table, at, pointer);
}

void CImage::freeTables()
{
    for (auto& table : m_tables) {
        table.clear();
        table.shrink_to_fit();
    }
    m_allocationFailed = false;
}
