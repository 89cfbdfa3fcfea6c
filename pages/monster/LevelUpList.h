#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// A level-up move list: 2-byte entries (move in bits 0 to 8, level in bits 9 to 15), ended
// by the entry FF FF, which the count leaves out.
namespace level_up_list {
inline constexpr std::size_t kEntrySize = 2;
inline constexpr std::uint16_t kEndEntry = 0xFFFF;
inline constexpr int kHighestLevel = 127;
// Counting looks at this many bytes; a list without its end there counts as kUncounted.
inline constexpr std::size_t kCountWindow = 200;
inline constexpr int kUncounted = 99;
// A cached count above this is no count of a real list.
inline constexpr std::int64_t kMostCachedEntries = 0xFFFF;

struct Entry {
    std::uint16_t move = 0;
    int level = 0;
};

Entry entry(std::span<const std::uint8_t> list, std::size_t index);
void setEntry(std::span<std::uint8_t> list, std::size_t index, Entry value);
void swapEntries(std::span<std::uint8_t> list, std::size_t first, std::size_t second);

// The count of a list from the bytes at its offset (at most kCountWindow of them; fewer
// where the file ends): bytes up to the second of the first two 0xFF bytes in a row,
// halved, less one. Without two 0xFF in a row the count is kUncounted when the whole
// window was there, else 0 (the read failed before it).
int countEntries(std::span<const std::uint8_t> bytes);
// Entries before the first end entry of the list bytes; all of them without one.
std::size_t entriesBeforeEnd(std::span<const std::uint8_t> list);

// The caches' key for a file offset: "0x%08X".
std::string cacheKey(std::uint32_t offset);
// A cached value: a decimal count from 0 to highest; nothing for a missing, negative or
// absurd value.
std::optional<int> cachedCount(const std::string& value, std::int64_t highest);
} // namespace level_up_list
