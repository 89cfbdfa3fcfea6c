#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The tables that several pages show; each is filled and written by one page.
struct SharedTables {
    static constexpr std::size_t kMonsterCount = 412;
    static constexpr std::size_t kMonsterNameSize = 6;
    static constexpr std::size_t kMoveNameCount = 354;
    static constexpr std::size_t kMoveNameSize = 8;
    static constexpr std::size_t kTrainerClassNameSize = 11;
    static constexpr std::size_t kItemRecordSize = 40;
    // An item record begins with its name.
    static constexpr std::size_t kItemNameSize = 9;

    // Monster page.
    std::array<std::uint8_t, kMonsterCount * kMonsterNameSize> monsterNames{};
    // Other page.
    std::array<std::uint8_t, kMoveNameCount * kMoveNameSize> moveNames{};
    std::vector<std::uint8_t> trainerClassNames;
    std::int32_t trainerClassCount = 0;
    // Item page.
    std::vector<std::uint8_t> items;
    std::int32_t itemCount = 0;
};
