#pragma once

#include "core/RomFile.h"

#include <cstdint>
#include <string>
#include <vector>

// The search behind the relocation dialog: runs of 0xFF inside [start, end).
struct FreeSpaceRequest {
    std::int64_t start = 0;
    std::int64_t end = 0;         // exclusive
    std::int64_t bytesNeeded = 0; // k
    bool stopAtFirst = false;
    std::int64_t maximum = 10;
};

struct FreeSpaceResult {
    // Found in address order; kept also when the search failed part-way.
    std::vector<std::uint32_t> candidates;
    Result status;
};

// A candidate needs bytesNeeded + 2 bytes of 0xFF in a row and lies 2 bytes after the run's
// start, leaving the end marker of whatever precedes the run intact; further candidates in
// the same run follow right after the bytesNeeded bytes of the one before. Reads the file in
// large blocks; a failed or short read ends the search with the candidates found so far.
FreeSpaceResult searchFreeSpace(RomFile& file, const FreeSpaceRequest& request);

// "0x%06X", the form the candidate list shows.
std::string formatCandidate(std::uint32_t address);

// The default search range for a game: "0x915A00"-"0xAFFFFF" for BPEJ, and so on; both
// empty for a game the table does not know.
struct SearchDomain {
    std::string start;
    std::string end;
};
SearchDomain defaultSearchDomain(const std::string& gameCode);
