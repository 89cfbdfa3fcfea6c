#include "pages/trainer/TrainerRelocation.h"

#include "pages/trainer/PartyEntry.h"
#include "pages/trainer/TrainerPage.h"

#include <algorithm>
#include <array>

const char* TrainerRelocation::refusal(const RelocationChoice& choice)
{
    if (choice.address > kThreeBytePointerReach)
        return kBeyondThreeBytePointerText;
    if (choice.copyOldEntries && !m_page.partyRead())
        return "ザルバトデータを読み込めなかったので、コピーできません。";
    return nullptr;
}

// Entries as the new data type lays them out; the old members go in unchanged, but a member
// read without a move part gets zero moves rather than whatever the buffer held before.
std::vector<std::uint8_t> TrainerRelocation::relocatedArea(const RelocationChoice& choice)
{
    const auto current = m_page.record(m_page.currentTrainer());
    const auto newType = static_cast<std::uint8_t>(choice.dataType);
    const auto count =
        static_cast<std::size_t>(std::clamp<std::int32_t>(choice.count, 0, trainer_record::kMaxPartyCount));
    const std::size_t entrySize = party_entry::layoutOf(newType).size;
    std::vector<std::uint8_t> area(count * entrySize, 0);
    if (!choice.copyOldEntries)
        return area;
    const bool oldMoves = party_entry::hasMovePart(trainer_record::dataType(current));
    const std::size_t copied =
        std::min<std::size_t>({count, trainer_record::partyCount(current), trainer_record::kMaxPartyCount});
    const TrainerParty& party = m_page.party();
    for (std::size_t slot = 0; slot < copied; ++slot) {
        const auto entry = area.begin() + static_cast<std::ptrdiff_t>(slot * entrySize);
        std::copy(party.base[slot].begin(), party.base[slot].end(), entry);
        if (party_entry::hasMovePart(newType) && oldMoves)
            std::copy(party.moves[slot].begin(), party.moves[slot].end(), entry + party_entry::kBasePartSize);
    }
    return area;
}

// The record changes in memory only for the write; a failed write puts it back.
Result TrainerRelocation::rewritePointer(RomFile& file, const RelocationChoice& choice)
{
    const auto current = m_page.record(m_page.currentTrainer());
    std::array<std::uint8_t, trainer_record::kSize> before{};
    std::copy(current.begin(), current.end(), before.begin());
    trainer_record::setPartyOffset(current, choice.address);
    current[trainer_record::kPartyCount] = static_cast<std::uint8_t>(choice.count);
    current[trainer_record::kDataType] = static_cast<std::uint8_t>(choice.dataType);
    Result written = m_page.writeTable(file);
    if (!written.ok())
        std::copy(before.begin(), before.end(), current.begin());
    return written;
}

void TrainerRelocation::relocated(const RelocationChoice&)
{
    m_page.showTrainer();
}
