#pragma once

#include "pages/finder/RecordRuns.h"
#include "pages/finder/TableShapes.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Bytes of the file that a table, the header or data a table leads to holds: [start, end).
struct ByteSpan {
    std::size_t start = 0;
    std::size_t end = 0;

    bool overlaps(const ByteSpan& other) const { return start < other.end && other.start < end; }
};

// The tables placed so far, by key.
using PlacedTables = std::map<std::string, RecordRun, std::less<>>;

// One table to place: the rows of records its shape accepts, and what a place needs beyond
// that. A fixed count places the table at any window of that many records in a row; a
// variable count takes a whole row and makes its length the count.
struct TableSearch {
    std::string key;
    // The key of the record count; empty when the count is fixed.
    std::string countKey;
    // For the report: "monster names".
    std::string what;
    std::size_t fixedCount = 0;
    // A row shorter than this is no table of a variable count.
    std::size_t minCount = 1;
    std::vector<RecordRun> runs;
    // A table of a fixed count holds at most mostUnusual records that fail usual (a move of
    // a type beyond the list may stand in a table, but not a hundred of them). Without usual
    // every record is usual.
    std::function<bool(std::size_t)> usual;
    std::size_t mostUnusual = 0;
    // The count that the tables placed so far ask for (the highest class a trainer has, plus
    // one); 0 when they ask for none.
    std::function<std::size_t(const PlacedTables&)> requiredCount;
    // The evidence of a place: "412 names decode, 6-byte fields".
    std::function<std::string(const RecordRun&)> describe;
    // Bytes elsewhere that the table at this place leads to (the type chart).
    std::function<std::vector<ByteSpan>(const RecordRun&)> leadsTo;
};

struct SearchOutcome {
    std::optional<RecordRun> place;
    // The evidence of the place, or why there is none.
    std::string text;
};

// Places every table whose shape fits exactly one place among the bytes no table placed
// before holds, again and again while that places another one; taken starts with what no
// table may hold (the cartridge header) and grows by every table placed. A table that fits
// several places or none stays unplaced, with the reason.
std::vector<SearchOutcome> placeTables(std::span<const std::uint8_t> rom, const std::vector<TableSearch>& searches,
                                       std::vector<ByteSpan>& taken, PlacedTables& placed);

// The parts of a run whose records hold no taken byte.
std::vector<RecordRun> freeParts(const RecordRun& run, const std::vector<ByteSpan>& taken);

// The rows less the shorter ones whose bytes begin another row: a table's truncated copy
// is no table.
std::vector<RecordRun> withoutCopies(std::span<const std::uint8_t> rom, const std::vector<RecordRun>& rows);

// "2 places fit: 0x100000 and 0x180000"; more than four end in "and n more".
std::string placesFit(const std::vector<std::size_t>& starts, std::size_t total);
