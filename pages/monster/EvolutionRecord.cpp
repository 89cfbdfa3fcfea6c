#include "pages/monster/EvolutionRecord.h"

namespace evolution_record {

EvolutionEntry decode(std::span<const std::uint8_t, kMonsterSize> records)
{
    EvolutionEntry entry;
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        auto record = records.subspan(slot * kSize, kSize);
        entry.methods[slot] = record[kMethod];
        entry.parameters[slot] = little_endian::get16(record, kParameter);
        entry.targets[slot] = little_endian::get16(record, kTarget);
    }
    return entry;
}

void encode(const EvolutionEntry& entry, std::span<std::uint8_t, kMonsterSize> records)
{
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        auto record = records.subspan(slot * kSize, kSize);
        record[kMethod] = entry.methods[slot];
        little_endian::set16(record, kParameter, entry.parameters[slot]);
        little_endian::set16(record, kTarget, entry.targets[slot]);
    }
}

} // namespace evolution_record
