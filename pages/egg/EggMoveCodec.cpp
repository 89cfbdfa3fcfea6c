#include "pages/egg/EggMoveCodec.h"

#include "pages/egg/EggMoveTable.h"

#include <algorithm>
#include <new>

namespace {

// The first marker at or after first, or the end of the table.
std::size_t nextMarker(std::span<const std::uint8_t> table, std::size_t first)
{
    const std::size_t words = egg_table::wordCount(table);
    while (first < words && !egg_table::isMarker(egg_table::word(table, first)))
        ++first;
    return first;
}

} // namespace

bool decodeEggMoves(std::span<const std::uint8_t> table, std::vector<Skill_Struct_Data>& entries)
{
    const std::size_t words = egg_table::wordCount(table);
    const std::size_t kept = entries.size();
    try {
        // Sized once: a large table of markers must not double its way out of memory.
        std::size_t markers = 0;
        for (std::size_t at = 0; at < words; ++at)
            markers += egg_table::isMarker(egg_table::word(table, at)) ? 1 : 0;
        entries.reserve(kept + markers);

        for (std::size_t at = nextMarker(table, 0); at < words;) {
            const std::size_t end = nextMarker(table, at + 1);
            Skill_Struct_Data entry;
            entry.markerPosition = at;
            entry.moves.reserve(end - at - 1);
            for (std::size_t move = at + 1; move < end; ++move)
                entry.moves.push_back(egg_table::word(table, move));
            entries.push_back(std::move(entry));
            at = end;
        }
    } catch (const std::bad_alloc&) {
        entries.resize(kept);
        return false;
    }
    return true;
}

void encodeEggMoves(std::span<const Skill_Struct_Data> entries, std::span<std::uint8_t> table)
{
    const std::size_t words = egg_table::wordCount(table);
    for (const Skill_Struct_Data& entry : entries) {
        if (entry.markerPosition >= words)
            continue;
        const std::size_t first = entry.markerPosition + 1;
        const std::size_t room = nextMarker(table, first) - first;
        const std::size_t count = std::min(room, entry.moves.size());
        for (std::size_t i = 0; i < count; ++i)
            egg_table::setWord(table, first + i, entry.moves[i]);
    }
}
