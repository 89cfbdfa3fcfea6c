#pragma once

#include "core/GameSettings.h"
#include "core/RomFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// A stretch of the file that holds data still in use: [start, end), file offsets.
struct UsedBytes {
    std::int64_t start = 0;
    std::int64_t end = 0;
};

// The image page's own search of a write-out domain: whole 4-byte words of 0xFF counted from
// the domain's start. The first run longer than size (so at least one 0xFF byte stays after
// the data) gives the offset where it began. Only words that lie wholly inside the domain
// count, and no word that touches a used stretch: a stream may end in 0xFF bytes of its own.
// Nothing when no run is long enough; a read that fails or ends early is the failure.
ResultOf<std::optional<std::uint32_t>> searchDomain(RomFile& file, const WriteArea& domain, std::size_t size,
                                                    std::span<const UsedBytes> used);
