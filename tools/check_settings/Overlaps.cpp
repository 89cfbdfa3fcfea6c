#include "tools/check_settings/Overlaps.h"

#include <algorithm>
#include <numeric>

// Sorted by start, each occupant meets only those that start before it ends, so a sweep
// stays near linear for the few hundred tables a section can hold.
std::vector<Overlap> findOverlaps(const std::vector<Occupant>& occupants)
{
    std::vector<std::size_t> order(occupants.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return occupants[a].extent.start < occupants[b].extent.start;
    });
    std::vector<Overlap> overlaps;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const Extent& current = occupants[order[i]].extent;
        for (std::size_t j = i + 1; j < order.size() && occupants[order[j]].extent.start < current.end; ++j) {
            if (current.overlaps(occupants[order[j]].extent))
                overlaps.push_back({std::min(order[i], order[j]), std::max(order[i], order[j])});
        }
    }
    std::sort(overlaps.begin(), overlaps.end(), [](const Overlap& a, const Overlap& b) {
        return a.first != b.first ? a.first < b.first : a.second < b.second;
    });
    return overlaps;
}
