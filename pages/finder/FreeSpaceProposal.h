#pragma once

#include "pages/finder/TableSearch.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The largest runs of 0xFF in the file, at most `most` of them, in file order: where free
// space that the image page may write into probably lies. Only a proposal: a run of 0xFF
// can be data too.
std::vector<ByteSpan> largestFreeRuns(std::span<const std::uint8_t> rom, std::size_t most);
