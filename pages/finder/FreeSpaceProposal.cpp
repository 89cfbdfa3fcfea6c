#include "pages/finder/FreeSpaceProposal.h"

#include <algorithm>

namespace {

// Shorter runs are padding between tables rather than free space.
constexpr std::size_t kShortestRun = 16 * 1024;
constexpr std::uint8_t kFreeByte = 0xFF;

} // namespace

std::vector<ByteSpan> largestFreeRuns(std::span<const std::uint8_t> rom, std::size_t most)
{
    std::vector<ByteSpan> runs;
    for (std::size_t at = 0; at < rom.size();) {
        if (rom[at] != kFreeByte) {
            ++at;
            continue;
        }
        const std::size_t start = at;
        while (at < rom.size() && rom[at] == kFreeByte)
            ++at;
        if (at - start >= kShortestRun)
            runs.push_back({start, at});
    }
    std::stable_sort(runs.begin(), runs.end(), [](const ByteSpan& a, const ByteSpan& b) {
        return a.end - a.start > b.end - b.start;
    });
    if (runs.size() > most)
        runs.resize(most);
    std::sort(runs.begin(), runs.end(), [](const ByteSpan& a, const ByteSpan& b) { return a.start < b.start; });
    return runs;
}
