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

PartyTransfer failedAt(PartyTransfer::Step step, Result failure)
{
    return {step, std::move(failure)};
}

PartyTransfer transferFailed(Result failure)
{
    return failedAt(PartyTransfer::Step::Transfer, std::move(failure));
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
    ResultOf<RomFile> file = RomFile::openForReading(romPath);
    if (!file.ok())
        return failedAt(PartyTransfer::Step::Open, file.failure());
    if (Result moved = file->seek(offset); !moved.ok())
        return transferFailed(moved);
    bool withMoves = party_entry::hasMovePart(dataType);
    for (std::size_t slot = 0; slot < slotsFor(count); ++slot) {
        if (Result read = file->read(party.base[slot]); !read.ok())
            return transferFailed(read);
        if (party.get16(slot, party_entry::kMonster) > party_entry::kHighestMonster)
            party.set16(slot, party_entry::kMonster, 0);
        if (!withMoves)
            continue;
        if (Result read = file->read(party.moves[slot]); !read.ok())
            return transferFailed(read);
    }
    return {};
}

PartyTransfer writeParty(ResultOf<RomFile> file, std::uint32_t offset, std::uint8_t count, std::uint8_t dataType,
                         const TrainerParty& party)
{
    if (!file.ok())
        return failedAt(PartyTransfer::Step::Open, file.failure());
    bool withMoves = party_entry::hasMovePart(dataType);
    std::int64_t length = static_cast<std::int64_t>(slotsFor(count) * party_entry::layoutOf(dataType).size);
    const ResultOf<std::int64_t> fileSize = file->size();
    if (!fileSize.ok())
        return transferFailed(fileSize.failure());
    if (offset + length > *fileSize)
        return transferFailed(Result::failed(endOfFileErrorText()));
    if (Result moved = file->seek(offset); !moved.ok())
        return transferFailed(moved);
    for (std::size_t slot = 0; slot < slotsFor(count); ++slot) {
        if (Result written = file->write(party.base[slot]); !written.ok())
            return transferFailed(written);
        if (!withMoves)
            continue;
        if (Result written = file->write(party.moves[slot]); !written.ok())
            return transferFailed(written);
    }
    return {};
}
