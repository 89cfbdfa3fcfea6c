#include "pages/monster/LevelUpRelocation.h"

#include "core/CartridgePointer.h"
#include "pages/monster/LevelUpList.h"
#include "pages/monster/LevelUpPointer.h"
#include "pages/monster/MonsterPage.h"

#include <algorithm>
#include <array>

const char* LevelUpRelocation::refusal(const RelocationChoice& choice)
{
    return choice.address > kThreeBytePointerReach ? kBeyondThreeBytePointerText : nullptr;
}

std::vector<std::uint8_t> LevelUpRelocation::relocatedArea(const RelocationChoice& choice)
{
    const std::size_t count = static_cast<std::size_t>(std::max(choice.count, 0));
    std::vector<std::uint8_t> area((count + 1) * level_up_list::kEntrySize, 0);
    if (choice.copyOldEntries) {
        // Entries after an end entry (a cached count longer than the list) were never the list's:
        // copied, the end would cut the new list short.
        const std::vector<std::uint8_t>& old = m_page.levelUpList();
        const std::size_t copied = std::min(level_up_list::entriesBeforeEnd(old), count);
        std::copy_n(old.begin(), copied * level_up_list::kEntrySize, area.begin());
    }
    std::fill(area.end() - level_up_list::kEntrySize, area.end(), 0xFF);
    return area;
}

// Every monster's pointer, the moved one with its new offset; the fourth byte of each (the
// 0x08 of the cartridge address) is left as the file holds it.
Result LevelUpRelocation::rewritePointer(RomFile& file, const RelocationChoice& choice)
{
    const std::int32_t table = m_page.levelUpTableOffset();
    const auto moved = static_cast<std::size_t>(m_page.currentMonster());
    for (std::size_t monster = 0; monster < CSolid_Value::kMonsterCount; ++monster) {
        const std::uint32_t offset = monster == moved ? choice.address : m_page.levelUpOffset(monster);
        std::array<std::uint8_t, cartridge::kLowBytesSize> low{};
        cartridge::writeLowBytes(low, 0, offset);
        Result written = file.writeAt(table + static_cast<std::int64_t>(monster * level_up_pointer::kSize), low);
        if (!written.ok())
            return written;
    }
    return {};
}

void LevelUpRelocation::relocated(const RelocationChoice& choice)
{
    m_page.levelUpListMoved(choice.address, choice.count);
}
