#pragma once

#include "pages/finder/TableShapes.h"

#include <cstdint>
#include <string>

// The bytes a table takes in the file: [start, end). 64-bit, so that an offset near the top
// of the 32-bit range plus a large count cannot wrap round.
struct Extent {
    std::int64_t start = 0;
    std::int64_t end = 0;

    std::int64_t size() const { return end - start; }
    bool insideFile(std::int64_t fileSize) const { return start >= 0 && end <= fileSize && start <= end; }
    bool overlaps(const Extent& other) const
    {
        return size() > 0 && other.size() > 0 && start < other.end && other.start < end;
    }
};

// "0x100000 to 0x1009A8, 2472 bytes"
std::string describeExtent(const Extent& extent);
