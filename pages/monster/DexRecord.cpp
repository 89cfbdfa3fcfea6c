#include "pages/monster/DexRecord.h"

#include "core/CartridgePointer.h"

#include <algorithm>

namespace dex_record {

DexEntry decode(std::span<const std::uint8_t, kReadSize> record)
{
    DexEntry entry;
    std::copy_n(record.begin() + kCategory, kCategorySize, entry.category.begin());
    entry.descriptionOffset = cartridge::offsetFromLowBytes(cartridge::readPointer(record, kDescriptionPointer));
    entry.height = little_endian::get16(record, kHeight);
    entry.weight = little_endian::get16(record, kWeight);
    entry.kept1 = little_endian::get16(record, kKept1);
    entry.kept2 = record[kKept2];
    entry.kept3 = little_endian::get16(record, kKept3);
    entry.kept4 = record[kKept4];
    return entry;
}

void encode(const DexEntry& entry, std::span<std::uint8_t, kSize> record)
{
    std::copy(entry.category.begin(), entry.category.end(), record.begin() + kCategory);
    little_endian::set16(record, kHeight, entry.height);
    little_endian::set16(record, kWeight, entry.weight);
    little_endian::set16(record, kKept1, entry.kept1);
    record[kKept2] = entry.kept2;
    little_endian::set16(record, kKept3, entry.kept3);
    record[kKept4] = entry.kept4;
}

} // namespace dex_record
