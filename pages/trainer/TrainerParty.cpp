#include "pages/trainer/TrainerParty.h"

#include "core/LittleEndian.h"

#include <algorithm>

namespace {

constexpr std::size_t kEntryBytes = party_entry::kBasePartSize + party_entry::kMovePartSize;

// The party has six slots whatever count the ROM holds.
std::size_t slotsFor(std::uint8_t count)
{
    return std::min<std::size_t>(count, trainer_record::kMaxPartyCount);
}

PartyTransfer failed(int result, const RomFile& file)
{
    return {result, file.errorText()};
}

} // namespace

std::uint16_t TrainerParty::get16(std::size_t slot, std::size_t entryOffset) const
{
    if (slot >= base.size() || entryOffset + 2 > kEntryBytes)
        return 0;
    const Part& part = entryOffset < party_entry::kBasePartSize ? base[slot] : moves[slot];
    return little_endian::get16(part, entryOffset % party_entry::kBasePartSize);
}

void TrainerParty::set16(std::size_t slot, std::size_t entryOffset, std::uint16_t value)
{
    if (slot >= base.size() || entryOffset + 2 > kEntryBytes)
        return;
    Part& part = entryOffset < party_entry::kBasePartSize ? base[slot] : moves[slot];
    little_endian::set16(part, entryOffset % party_entry::kBasePartSize, value);
}

PartyTransfer readParty(const std::string& romPath, std::uint32_t offset, std::uint8_t count,
                        std::uint8_t dataType, TrainerParty& party)
{
    for (auto& part : party.base)
        part.fill(0);
    RomFile file = RomFile::openForReading(romPath);
    if (!file.isOpen())
        return failed(kPartyOpenFailed, file);
    if (!file.seek(offset))
        return failed(kPartyTransferFailed, file);
    bool withMoves = party_entry::hasMovePart(dataType);
    for (std::size_t slot = 0; slot < slotsFor(count); ++slot) {
        if (!file.read(party.base[slot]))
            return failed(kPartyTransferFailed, file);
        if (party.get16(slot, party_entry::kMonster) > party_entry::kHighestMonster)
            party.set16(slot, party_entry::kMonster, 0);
        if (withMoves && !file.read(party.moves[slot]))
            return failed(kPartyTransferFailed, file);
    }
    return {};
}

PartyTransfer writeParty(RomFile file, std::uint32_t offset, std::uint8_t count, std::uint8_t dataType,
                         const TrainerParty& party)
{
    if (!file.isOpen())
        return failed(kPartyOpenFailed, file);
    bool withMoves = party_entry::hasMovePart(dataType);
    std::int64_t length = static_cast<std::int64_t>(slotsFor(count) * party_entry::layoutOf(dataType).size);
    std::int64_t fileSize = file.size();
    if (fileSize < 0)
        return failed(kPartyTransferFailed, file);
    if (offset + length > fileSize)
        return {kPartyTransferFailed, endOfFileErrorText()};
    if (!file.seek(offset))
        return failed(kPartyTransferFailed, file);
    for (std::size_t slot = 0; slot < slotsFor(count); ++slot) {
        if (!file.write(party.base[slot]))
            return failed(kPartyTransferFailed, file);
        if (withMoves && !file.write(party.moves[slot]))
            return failed(kPartyTransferFailed, file);
    }
    return {};
}
