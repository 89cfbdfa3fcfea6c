#pragma once

#include "pages/monster/RecordBytes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// One 28-byte dex record per dex number. Bytes 5, 10, 11, 16, 17, 21 and 25 to 27 belong
// to the game; the description pointer (12 to 15) is read but never written.
namespace dex_record {
inline constexpr std::size_t kCount = 387;
inline constexpr std::size_t kSize = 28;
// The reader takes the first 26 bytes of each record and steps over the last two, so the
// last record may end the file two bytes early.
inline constexpr std::size_t kReadSize = 26;

inline constexpr std::size_t kCategory = 0;
inline constexpr std::size_t kCategorySize = 5;
inline constexpr std::size_t kHeight = 6;              // u16, tenths of a metre
inline constexpr std::size_t kWeight = 8;              // u16, tenths of a kilogram
inline constexpr std::size_t kDescriptionPointer = 12; // cartridge pointer, low 24 bits used
inline constexpr std::size_t kKept1 = 18;              // u16
inline constexpr std::size_t kKept2 = 20;              // u8
inline constexpr std::size_t kKept3 = 22;              // u16
inline constexpr std::size_t kKept4 = 24;              // u8

// What a write puts into each record: category, height and weight, then the kept values.
inline constexpr std::array<record_bytes::Run, 4> kWrittenRuns = {
    {{kCategory, kCategorySize}, {kHeight, 4}, {kKept1, 3}, {kKept3, 3}}};
} // namespace dex_record

// One dex record as the page keeps it.
struct DexEntry {
    std::array<std::uint8_t, dex_record::kCategorySize> category{};
    // The file offset of the description text.
    std::uint32_t descriptionOffset = 0;
    std::uint16_t height = 0;
    std::uint16_t weight = 0;
    std::uint16_t kept1 = 0;
    std::uint8_t kept2 = 0;
    std::uint16_t kept3 = 0;
    std::uint8_t kept4 = 0;
};

namespace dex_record {
DexEntry decode(std::span<const std::uint8_t, kReadSize> record);
// Fills the written runs; the game's bytes and the description pointer are left as they are.
void encode(const DexEntry& entry, std::span<std::uint8_t, kSize> record);
} // namespace dex_record
