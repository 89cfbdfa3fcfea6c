#include "core/LittleEndian.h"
#include "core/SharedTables.h"
#include "pages/egg/EggMoveTable.h"
#include "pages/finder/TableShapes.h"
#include "tools/check_settings/ContentChecks.h"
#include "tools/check_settings/FaultTally.h"

using table_shape::namesMonster;

// A stray marker can be data of the game's own (the page shows its number); a table whose
// markers mostly name no monster is not the egg move table, or not all of it.
ContentResult checkEggTable(const LocatedTable& table)
{
    ContentResult result;
    std::size_t markers = 0;
    FaultTally strays;
    for (std::size_t at = 0; at < egg_table::wordCount(table.bytes); ++at) {
        const std::uint16_t word = egg_table::word(table.bytes, at);
        if (!egg_table::isMarker(word))
            continue;
        ++markers;
        if (!namesMonster(egg_table::monsterOf(word)))
            strays.add([&] { return "word " + std::to_string(at) + ", " + std::to_string(word); });
    }
    const std::size_t naming = markers - strays.count();
    result.summary = std::to_string(markers) + " markers, " + std::to_string(naming) +
                     " naming monsters of the monster list";
    if (markers == 0)
        result.problems.push_back("holds no marker (a word above " + std::to_string(egg_table::kMarkerBase) +
                                  " that names a monster)");
    else if (strays.count() >= naming)
        strays.report(result.problems, markers, "markers name no monster of the monster list");
    return result;
}

ContentResult checkStarter(const LocatedTable& table)
{
    ContentResult result;
    const std::uint16_t monster = little_endian::get16(table.bytes, 0);
    result.summary = "monster " + std::to_string(monster);
    if (!namesMonster(monster))
        result.problems.push_back("holds " + std::to_string(monster) + ", no monster of the monster list (1 to " +
                                  std::to_string(SharedTables::kMonsterCount - 1) + ")");
    return result;
}
