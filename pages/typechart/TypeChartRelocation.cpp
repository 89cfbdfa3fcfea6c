#include "pages/typechart/TypeChartRelocation.h"

#include "core/CartridgePointer.h"
#include "pages/typechart/TypeChartEntry.h"
#include "pages/typechart/TypeChartPage.h"

#include <algorithm>
#include <array>

std::vector<std::uint8_t> TypeChartRelocation::relocatedArea(const RelocationChoice& choice)
{
    const std::size_t count = static_cast<std::size_t>(std::max(choice.count, 0));
    std::vector<std::uint8_t> area(count * type_chart::kEntrySize + type_chart::kEndLength, 0);
    if (choice.copyOldEntries) {
        const std::span<const std::uint8_t> old = m_page.entries();
        std::copy_n(old.begin(), std::min(old.size(), count * type_chart::kEntrySize), area.begin());
    }
    std::fill(area.end() - type_chart::kEndLength, area.end(), type_chart::kEndByte);
    return area;
}

Result TypeChartRelocation::rewritePointer(RomFile& file, const RelocationChoice& choice)
{
    std::array<std::uint8_t, cartridge::kPointerSize> bytes{};
    cartridge::writePointer(bytes, 0, choice.address);
    return file.writeAt(m_page.pointerLocation(), bytes);
}

void TypeChartRelocation::relocated(const RelocationChoice&)
{
    m_page.ReInd();
}
