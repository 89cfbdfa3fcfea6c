#include "pages/monster/LevelUpList.h"

#include "core/LittleEndian.h"

#include <cstdio>
#include <utility>

namespace level_up_list {

Entry entry(std::span<const std::uint8_t> list, std::size_t index)
{
    const std::uint16_t value = little_endian::get16(list, index * kEntrySize);
    return {static_cast<std::uint16_t>(value & 0x1FF), value >> 9};
}

void setEntry(std::span<std::uint8_t> list, std::size_t index, Entry value)
{
    list[index * kEntrySize] = static_cast<std::uint8_t>(value.move & 0xFF);
    list[index * kEntrySize + 1] = static_cast<std::uint8_t>(value.level * 2 + (value.move >> 8 & 1));
}

void swapEntries(std::span<std::uint8_t> list, std::size_t first, std::size_t second)
{
    for (std::size_t b = 0; b < kEntrySize; ++b)
        std::swap(list[first * kEntrySize + b], list[second * kEntrySize + b]);
}

int countEntries(std::span<const std::uint8_t> bytes)
{
    for (std::size_t i = 1; i < bytes.size(); ++i) {
        if (bytes[i - 1] == 0xFF && bytes[i] == 0xFF)
            return static_cast<int>((i + 1) / 2) - 1;
    }
    return bytes.size() >= kCountWindow ? kUncounted : 0;
}

std::size_t entriesBeforeEnd(std::span<const std::uint8_t> list)
{
    const std::size_t entries = list.size() / kEntrySize;
    for (std::size_t i = 0; i < entries; ++i) {
        if (little_endian::get16(list, i * kEntrySize) == kEndEntry)
            return i;
    }
    return entries;
}

std::string cacheKey(std::uint32_t offset)
{
    char key[16];
    std::snprintf(key, sizeof key, "0x%08X", static_cast<unsigned>(offset));
    return key;
}

std::optional<int> cachedCount(const std::string& value, std::int64_t highest)
{
    std::size_t p = 0;
    while (p < value.size() && (value[p] == ' ' || value[p] == '\t'))
        ++p;
    if (p == value.size() || value[p] < '0' || value[p] > '9')
        return std::nullopt;
    std::int64_t count = 0;
    for (; p < value.size() && value[p] >= '0' && value[p] <= '9'; ++p) {
        count = count * 10 + (value[p] - '0');
        if (count > highest)
            return std::nullopt;
    }
    return static_cast<int>(count);
}

} // namespace level_up_list
