#pragma once

#include "tools/check_settings/Extent.h"

#include <cstddef>
#include <string>
#include <vector>

// Something that takes bytes of the file: a table, the data a table leads to, a write-out
// area or the cartridge header.
struct Occupant {
    std::string name;
    Extent extent;
};

struct Overlap {
    std::size_t first;
    std::size_t second;
};

// Every pair of occupants whose bytes meet, each pair once, first < second.
std::vector<Overlap> findOverlaps(const std::vector<Occupant>& occupants);
