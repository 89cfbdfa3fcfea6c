#include "pages/monster/DexRecord.h"

#include <algorithm>

namespace dex_record {

DexEntry decode(std::span<const std::uint8_t, kReadSize> record)
{
    DexEntry entry;
    std::copy_n(record.begin() + kCategory, kCategorySize, entry.category.begin());
    entry.descriptionOffset = record_bytes::get16(record, kDescriptionPointer) |
                              static_cast<std::uint32_t>(record[kDescriptionPointer + 2]) << 16;
    entry.height = record_bytes::get16(record, kHeight);
    entry.weight = record_bytes::get16(record, kWeight);
    entry.kept1 = record_bytes::get16(record, kKept1);
    entry.kept2 = record[kKept2];
    entry.kept3 = record_bytes::get16(record, kKept3);
    entry.kept4 = record[kKept4];
    return entry;
}

void encode(const DexEntry& entry, std::span<std::uint8_t, kSize> record)
{
    std::copy(entry.category.begin(), entry.category.end(), record.begin() + kCategory);
    record_bytes::put16(record, kHeight, entry.height);
    record_bytes::put16(record, kWeight, entry.weight);
    record_bytes::put16(record, kKept1, entry.kept1);
    record[kKept2] = entry.kept2;
    record_bytes::put16(record, kKept3, entry.kept3);
    record[kKept4] = entry.kept4;
}

} // namespace dex_record
