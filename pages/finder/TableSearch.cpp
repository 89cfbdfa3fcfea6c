#include "pages/finder/TableSearch.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace {

constexpr std::size_t kPlacesNamed = 4;
// Places are compared with the tables placed so far when there are this few of them.
constexpr std::size_t kMostCompared = 16;
// The bytes from the middle of a place that, found inside a placed table, make it a copy of
// that table (its first bytes may still be another's).
constexpr std::size_t kCopyProbe = 32;

bool sameBytes(std::span<const std::uint8_t> rom, const RecordRun& shorter, const RecordRun& longer)
{
    return std::memcmp(rom.data() + shorter.start, rom.data() + longer.start, shorter.count * shorter.stride) == 0;
}

} // namespace

std::vector<RecordRun> freeParts(const RecordRun& run, const std::vector<ByteSpan>& taken)
{
    std::vector<ByteSpan> inside;
    std::copy_if(taken.begin(), taken.end(), std::back_inserter(inside),
                 [&](const ByteSpan& span) { return span.overlaps({run.start, run.end()}); });
    std::vector<RecordRun> parts;
    RecordRun part{run.start, 0, run.stride};
    for (std::size_t i = 0; i <= run.count; ++i) {
        const bool free = i < run.count && std::none_of(inside.begin(), inside.end(), [&](const ByteSpan& span) {
                              return span.overlaps({run.at(i), run.at(i) + run.stride});
                          });
        if (free) {
            if (part.count++ == 0)
                part.start = run.at(i);
            continue;
        }
        if (part.count > 0)
            parts.push_back(part);
        part.count = 0;
    }
    return parts;
}

std::vector<RecordRun> withoutCopies(std::span<const std::uint8_t> rom, const std::vector<RecordRun>& rows)
{
    std::vector<RecordRun> originals;
    for (const RecordRun& row : rows) {
        const bool copy = std::any_of(rows.begin(), rows.end(), [&](const RecordRun& other) {
            return other.count > row.count && sameBytes(rom, row, other);
        });
        if (!copy)
            originals.push_back(row);
    }
    return originals;
}

namespace {

// The places a search fits: every window of a fixed count, every whole row of a variable
// count except the shorter copies of another row (a table's truncated copy is no table).
struct Fits {
    std::vector<RecordRun> places;
    std::size_t total = 0;
};

// Whether the place's bytes repeat bytes of a table placed before: then it is a copy of
// part of that table (read with another record size, it can pass for a table of another
// kind), not a table of its own.
bool copiesTaken(std::span<const std::uint8_t> rom, const RecordRun& place, const std::vector<ByteSpan>& taken)
{
    const std::size_t size = place.end() - place.start;
    const std::size_t probe = std::min(kCopyProbe, size);
    const std::uint8_t* first = rom.data() + place.start + (size - probe) / 2;
    return std::any_of(taken.begin(), taken.end(), [&](const ByteSpan& span) {
        const std::uint8_t* end = rom.data() + span.end;
        return std::search(rom.data() + span.start, end, first, first + probe) != end;
    });
}

Fits placesOf(std::span<const std::uint8_t> rom, const TableSearch& search, const std::vector<ByteSpan>& taken,
              const PlacedTables& placed)
{
    std::vector<RecordRun> parts;
    for (const RecordRun& run : search.runs) {
        for (const RecordRun& part : freeParts(run, taken))
            parts.push_back(part);
    }
    Fits fits;
    if (search.fixedCount > 0) {
        for (const RecordRun& part : parts) {
            if (part.count < search.fixedCount)
                continue;
            // unusualBefore[i]: unusual records among the first i, so that each window is
            // judged in one step.
            std::vector<std::size_t> unusualBefore(part.count + 1, 0);
            for (std::size_t i = 0; i < part.count; ++i)
                unusualBefore[i + 1] = unusualBefore[i] + (search.usual && !search.usual(part.at(i)) ? 1 : 0);
            for (std::size_t w = 0; w + search.fixedCount <= part.count; ++w) {
                if (unusualBefore[w + search.fixedCount] - unusualBefore[w] > search.mostUnusual)
                    continue;
                if (fits.places.size() < kMostCompared)
                    fits.places.push_back({part.at(w), search.fixedCount, part.stride});
                ++fits.total;
            }
        }
        return fits;
    }
    const std::size_t required =
        std::max(search.minCount, search.requiredCount ? search.requiredCount(placed) : std::size_t{0});
    std::erase_if(parts, [&](const RecordRun& part) { return part.count < required; });
    for (const RecordRun& part : withoutCopies(rom, parts)) {
        if (fits.places.size() < kMostCompared)
            fits.places.push_back(part);
        ++fits.total;
    }
    return fits;
}

// The places less the copies of placed tables, when they are few enough to compare.
Fits fitsOf(std::span<const std::uint8_t> rom, const TableSearch& search, const std::vector<ByteSpan>& taken,
            const PlacedTables& placed)
{
    Fits fits = placesOf(rom, search, taken, placed);
    if (fits.total <= 1 || fits.total > fits.places.size())
        return fits;
    std::erase_if(fits.places, [&](const RecordRun& place) { return copiesTaken(rom, place, taken); });
    fits.total = fits.places.size();
    return fits;
}

} // namespace

std::string placesFit(const std::vector<std::size_t>& starts, std::size_t total)
{
    std::string text = std::to_string(total) + " places fit: ";
    const std::size_t named = std::min(starts.size(), total > kPlacesNamed ? kPlacesNamed : total);
    for (std::size_t i = 0; i < named; ++i) {
        if (i > 0)
            text += i + 1 == named && total == named ? " and " : ", ";
        text += hexOffset(starts[i]);
    }
    if (total > named)
        text += " and " + std::to_string(total - named) + " more";
    return text;
}

std::vector<SearchOutcome> placeTables(std::span<const std::uint8_t> rom, const std::vector<TableSearch>& searches,
                                       std::vector<ByteSpan>& taken, PlacedTables& placed)
{
    std::vector<SearchOutcome> outcomes(searches.size());
    for (bool progress = true; progress;) {
        progress = false;
        for (std::size_t s = 0; s < searches.size(); ++s) {
            if (outcomes[s].place)
                continue;
            const Fits fits = fitsOf(rom, searches[s], taken, placed);
            if (fits.total != 1)
                continue;
            const RecordRun& place = fits.places.front();
            outcomes[s] = {place, searches[s].describe(place)};
            placed.emplace(searches[s].key, place);
            taken.push_back({place.start, place.end()});
            if (searches[s].leadsTo) {
                for (const ByteSpan& span : searches[s].leadsTo(place))
                    taken.push_back(span);
            }
            progress = true;
        }
    }
    for (std::size_t s = 0; s < searches.size(); ++s) {
        if (outcomes[s].place)
            continue;
        const Fits fits = fitsOf(rom, searches[s], taken, placed);
        if (fits.total == 0) {
            outcomes[s].text = "not found: no place holds " + searches[s].what;
            continue;
        }
        std::vector<std::size_t> starts;
        for (const RecordRun& place : fits.places)
            starts.push_back(place.start);
        outcomes[s].text = placesFit(starts, fits.total);
    }
    return outcomes;
}
