#include "core/SharedTables.h"
#include "pages/monster/BaseStatsRecord.h"
#include "pages/monster/EvolutionRecord.h"
#include "pages/finder/TableShapes.h"
#include "pages/move/MoveRecord.h"
#include "tools/check_settings/ContentChecks.h"
#include "tools/check_settings/FaultTally.h"

// Tables without names or pointers still have fields of a known range. A table read from
// the wrong place breaks them in most records; the fixture's own odd values (a move of type
// 18) lie outside what is checked here.
using table_shape::kGrowthRateCount;
using table_shape::kHighestPercentage;
using table_shape::kTypeCount;

ContentResult checkMoveRecords(const LocatedTable& table)
{
    ContentResult result;
    FaultTally faults;
    for (std::size_t move = 0; move < table.count; ++move) {
        const std::span<const std::uint8_t> record = table.record(move);
        const std::uint8_t accuracy = record[move_record::kAccuracy];
        const std::uint8_t chance = record[move_record::kEffectChance];
        if (accuracy > kHighestPercentage || chance > kHighestPercentage)
            faults.add([&] {
                return "move " + std::to_string(move) + ", accuracy " + std::to_string(accuracy) +
                       ", effect chance " + std::to_string(chance);
            });
    }
    faults.report(result.problems, table.count, "moves have an accuracy or effect chance above 100");
    result.summary = std::to_string(table.count - faults.count()) + " moves with percentages up to 100";
    return result;
}

ContentResult checkBaseStats(const LocatedTable& table)
{
    ContentResult result;
    FaultTally faults;
    for (std::size_t monster = 0; monster < table.count; ++monster) {
        const std::span<const std::uint8_t> record = table.record(monster);
        if (record[base_stats_record::kType1] >= kTypeCount || record[base_stats_record::kType2] >= kTypeCount ||
            record[base_stats_record::kGrowthRate] >= kGrowthRateCount)
            faults.add([&] {
                return "monster " + std::to_string(monster) + ", types " +
                       std::to_string(record[base_stats_record::kType1]) + "/" +
                       std::to_string(record[base_stats_record::kType2]) + ", growth rate " +
                       std::to_string(record[base_stats_record::kGrowthRate]);
            });
    }
    faults.report(result.problems, table.count, "monsters have a type above 17 or a growth rate above 5");
    result.summary = std::to_string(table.count - faults.count()) + " monsters with types and growth rates of the lists";
    return result;
}

ContentResult checkEvolutions(const LocatedTable& table)
{
    ContentResult result;
    FaultTally faults;
    std::size_t evolutions = 0;
    for (std::size_t monster = 0; monster < table.count; ++monster) {
        const EvolutionEntry entry =
            evolution_record::decode(table.record(monster).first<evolution_record::kMonsterSize>());
        for (std::size_t slot = 0; slot < evolution_record::kSlotCount; ++slot) {
            if (entry.methods[slot] == 0)
                continue;
            ++evolutions;
            if (entry.targets[slot] >= SharedTables::kMonsterCount)
                faults.add([&] {
                    return "monster " + std::to_string(monster) + " into " + std::to_string(entry.targets[slot]);
                });
        }
    }
    faults.report(result.problems, evolutions, "evolutions lead to no monster of the monster list");
    result.summary = std::to_string(evolutions - faults.count()) + " evolutions into monsters of the list";
    return result;
}
