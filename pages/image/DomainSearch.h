#pragma once

#include "core/GameSettings.h"
#include "core/RomFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The image page's own search of a write-out domain: whole 4-byte words of 0xFF counted from
// the domain's start. The first run longer than size (so at least one 0xFF byte stays after
// the data) gives the offset where it began. Only words that lie wholly inside the domain
// count. Nothing when no run is long enough; a failed read also leaves errorText.
std::optional<std::uint32_t> searchDomain(RomFile& file, const WriteArea& domain, std::size_t size,
                                          std::string& errorText);
