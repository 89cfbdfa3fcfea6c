#pragma once

#include "tools/check_settings/Extent.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A configured table that lies inside the file, as a content check sees it.
struct LocatedTable {
    std::span<const std::uint8_t> rom;
    // The table's own bytes inside rom.
    std::span<const std::uint8_t> bytes;
    std::size_t count = 0;
    std::size_t recordSize = 0;

    std::span<const std::uint8_t> record(std::size_t index) const
    {
        return bytes.subspan(index * recordSize, std::min(recordSize, bytes.size() - index * recordSize));
    }
};

// What a table's content looks like against its format.
struct ContentResult {
    // A few words for the table's line: "412 names decode".
    std::string summary;
    // One sentence per fault, without the key; the report puts the key and value in front.
    std::vector<std::string> problems;
    // Data that the table leads to and that other tables must not overlap (the type chart),
    // and its name.
    std::optional<Extent> target;
    std::string targetWhat;
};

using ContentCheck = ContentResult (*)(const LocatedTable& table);

// Each of these checks one format; the table catalogue says which table takes which.
ContentResult checkNameTable(const LocatedTable& table);
ContentResult checkTrainerRecords(const LocatedTable& table);
ContentResult checkTrainerNames(const LocatedTable& table);
ContentResult checkTradeRecords(const LocatedTable& table);
ContentResult checkItemRecords(const LocatedTable& table);
ContentResult checkDexRecords(const LocatedTable& table);
ContentResult checkLevelUpPointers(const LocatedTable& table);
ContentResult checkPicturePointers(const LocatedTable& table);
ContentResult checkTypeChartPointer(const LocatedTable& table);
ContentResult checkEggTable(const LocatedTable& table);
ContentResult checkStarter(const LocatedTable& table);
ContentResult checkMoveRecords(const LocatedTable& table);
ContentResult checkBaseStats(const LocatedTable& table);
ContentResult checkEvolutions(const LocatedTable& table);
