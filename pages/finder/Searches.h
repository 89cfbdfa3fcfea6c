#pragma once

#include "pages/finder/PointerIndex.h"
#include "pages/finder/TableSearch.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// How many names the name list files beside Setting.ini hold: the highest move effect,
// ability and held item a table may name. Without a file there is no such limit.
struct FinderLists {
    std::optional<std::size_t> effectCount;
    std::optional<std::size_t> abilityCount;
    std::optional<std::size_t> itemNameCount;
};

struct SearchContext {
    std::span<const std::uint8_t> rom;
    FinderLists lists;
    const PointerIndex& pointers;
};

// Each adds the searches of one family of tables, their rows already found in the ROM.
void addNameSearches(const SearchContext& context, std::vector<TableSearch>& searches);
void addMonsterSearches(const SearchContext& context, std::vector<TableSearch>& searches);
void addRecordSearches(const SearchContext& context, std::vector<TableSearch>& searches);
void addEggSearch(const SearchContext& context, std::vector<TableSearch>& searches);
void addTypeChartSearch(const SearchContext& context, std::vector<TableSearch>& searches);
