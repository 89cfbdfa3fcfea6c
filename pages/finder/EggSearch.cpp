#include "pages/egg/EggMoveTable.h"
#include "pages/finder/Searches.h"
#include "pages/finder/TableShapes.h"

// The egg move table: words that are either a monster's marker or a move, from the first
// marker on. Its end is where a word names neither.
namespace {

constexpr std::size_t kFewestWords = 8;
constexpr std::size_t kFewestMarkers = 4;

bool isEggWord(std::uint16_t word)
{
    if (egg_table::isMarker(word))
        return table_shape::namesMonster(egg_table::monsterOf(word));
    return word > 0 && word <= table_shape::kHighestMove;
}

std::size_t markersIn(std::span<const std::uint8_t> rom, const RecordRun& run)
{
    std::size_t markers = 0;
    for (std::size_t i = 0; i < run.count; ++i)
        markers += egg_table::isMarker(little_endian::get16(rom, run.at(i))) ? 1 : 0;
    return markers;
}

} // namespace

void addEggSearch(const SearchContext& context, std::vector<TableSearch>& searches)
{
    const std::span<const std::uint8_t> rom = context.rom;
    TableSearch egg;
    egg.key = "MonsterEggData";
    egg.countKey = "MonsterEggDataNum";
    egg.what = "an egg move table of at least " + std::to_string(kFewestMarkers) + " monsters";
    egg.minCount = kFewestWords;
    for (RecordRun run : findRecordRuns(rom.size(), egg_table::kWordSize, kFewestWords, [rom](std::size_t at) {
             return isEggWord(little_endian::get16(rom, at));
         })) {
        // Words before the first marker belong to no monster: the table starts at a marker.
        while (run.count > 0 && !egg_table::isMarker(little_endian::get16(rom, run.start))) {
            run.start += egg_table::kWordSize;
            --run.count;
        }
        if (run.count >= kFewestWords && markersIn(rom, run) >= kFewestMarkers)
            egg.runs.push_back(run);
    }
    egg.describe = [rom](const RecordRun& run) {
        const std::size_t markers = markersIn(rom, run);
        return std::to_string(run.count) + " words: " + std::to_string(markers) +
               " markers naming monsters of the list, " + std::to_string(run.count - markers) +
               " moves of the move list";
    };
    searches.push_back(std::move(egg));
}
