#include "core/TableBuffer.h"

#include <new>

bool allocateTable(std::vector<std::uint8_t>& table, std::int64_t count, std::size_t recordSize)
{
    table.clear();
    table.shrink_to_fit();
    if (count <= 0 || recordSize == 0 || static_cast<std::uint64_t>(count) > kLargestTableBytes / recordSize)
        return false;
    try {
        table.assign(static_cast<std::size_t>(count) * recordSize, 0);
    } catch (const std::bad_alloc&) {
        table.clear();
        return false;
    }
    return true;
}
