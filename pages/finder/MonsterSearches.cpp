#include "core/LittleEndian.h"
#include "core/SharedTables.h"
#include "pages/finder/RomBytes.h"
#include "pages/finder/Searches.h"
#include "pages/monster/BaseStatsRecord.h"
#include "pages/monster/DexRecord.h"
#include "pages/monster/EvolutionRecord.h"
#include "pages/monster/LevelUpList.h"
#include "pages/monster/LevelUpPointer.h"

#include <unordered_map>

// The monster page's tables of a fixed count: base stats, evolutions, dex records and the
// level-up pointers. (The TM/HM table has no shape: every bit pattern is a record.)
namespace {

// A dex description is a few lines of text.
constexpr std::size_t kLongestDescription = 1024;

TableSearch fixedSearch(std::string key, std::string what, std::size_t count)
{
    TableSearch search;
    search.key = std::move(key);
    search.what = std::move(what);
    search.fixedCount = count;
    return search;
}

bool isBaseStats(std::span<const std::uint8_t> rom, std::size_t at, const FinderLists& lists)
{
    using namespace base_stats_record;
    const std::uint8_t* record = rom.data() + at;
    if (record[kType1] >= table_shape::kTypeCount || record[kType2] >= table_shape::kTypeCount ||
        record[kGrowthRate] >= table_shape::kGrowthRateCount || record[kEggGroup1] >= table_shape::kEggGroupCount ||
        record[kEggGroup2] >= table_shape::kEggGroupCount)
        return false;
    return !lists.abilityCount || (record[kAbility1] < *lists.abilityCount && record[kAbility2] < *lists.abilityCount);
}

// Each of the five slots: no evolution (method, parameter and target 0), or a method of the
// list and a target in the monster list.
bool isEvolutionRecord(std::span<const std::uint8_t> rom, std::size_t at)
{
    for (std::size_t slot = 0; slot < evolution_record::kSlotCount; ++slot) {
        const std::size_t entry = at + slot * evolution_record::kSize;
        const std::uint8_t method = rom[entry + evolution_record::kMethod];
        if (method > table_shape::kHighestEvolutionMethod)
            return false;
        const std::uint16_t target = little_endian::get16(rom, entry + evolution_record::kTarget);
        if (method == 0 ? target != 0 || little_endian::get16(rom, entry + evolution_record::kParameter) != 0
                        : !table_shape::namesMonster(target))
            return false;
    }
    return true;
}

// Entries of moves of the list, then the end entry within the bytes the page counts.
bool isLevelUpList(std::span<const std::uint8_t> rom, std::size_t at)
{
    for (std::size_t entry = at; entry + level_up_list::kEntrySize <= rom.size() &&
                                 entry + level_up_list::kEntrySize <= at + level_up_list::kCountWindow;
         entry += level_up_list::kEntrySize) {
        const std::uint16_t value = little_endian::get16(rom, entry);
        if (value == level_up_list::kEndEntry)
            return true;
        if (level_up_list::entry(rom.subspan(entry, level_up_list::kEntrySize), 0).move > table_shape::kHighestMove)
            return false;
    }
    return false;
}

} // namespace

void addMonsterSearches(const SearchContext& context, std::vector<TableSearch>& searches)
{
    const std::span<const std::uint8_t> rom = context.rom;
    const FinderLists lists = context.lists;

    TableSearch stats = fixedSearch("MonsterBaseStats_Pos", "412 base stats records of 28 bytes",
                                    base_stats_record::kCount);
    stats.runs = findRecordRuns(rom.size(), base_stats_record::kSize, base_stats_record::kCount,
                                [&](std::size_t at) { return isBaseStats(rom, at, lists); });
    stats.describe = [](const RecordRun& run) {
        return std::to_string(run.count) + " records of 28 bytes with types, growth rates, egg groups" +
               " and abilities of the lists";
    };
    searches.push_back(std::move(stats));

    TableSearch evolutions = fixedSearch("Monster_Evol_Data_Pos", "412 evolution records of 5 slots",
                                         SharedTables::kMonsterCount);
    evolutions.runs = findRecordRuns(rom.size(), evolution_record::kMonsterSize, SharedTables::kMonsterCount,
                                     [&](std::size_t at) { return isEvolutionRecord(rom, at); });
    evolutions.describe = [](const RecordRun& run) {
        return std::to_string(run.count) + " records of 5 slots: methods 0 to 15, targets in the monster list";
    };
    searches.push_back(std::move(evolutions));

    TableSearch dex = fixedSearch("MonsterDexData", "387 dex records whose description pointers lead to texts",
                                  dex_record::kCount);
    dex.runs = narrowRuns(context.pointers.rows(dex_record::kSize, dex_record::kDescriptionPointer, dex_record::kCount),
                          dex_record::kCount, [rom](std::size_t at) {
                              const auto text = rom_bytes::targetAt(rom, at + dex_record::kDescriptionPointer);
                              return text && rom_bytes::textEndsWithin(rom, *text, kLongestDescription);
                          });
    dex.describe = [](const RecordRun& run) {
        return std::to_string(run.count) + " records of 28 bytes whose description pointers lead to texts";
    };
    searches.push_back(std::move(dex));

    TableSearch levelUp = fixedSearch("Level_Skill", "412 pointers to level-up lists", level_up_pointer::kCount);
    // Lists are shared by several monsters; each is read once.
    std::unordered_map<std::size_t, bool> listsSeen;
    levelUp.runs = narrowRuns(
        context.pointers.rows(level_up_pointer::kSize, 0, level_up_pointer::kCount),
        level_up_pointer::kCount, [&](std::size_t at) {
            const auto list = rom_bytes::targetAt(rom, at);
            if (!list)
                return false;
            auto known = listsSeen.find(*list);
            if (known == listsSeen.end())
                known = listsSeen.emplace(*list, isLevelUpList(rom, *list)).first;
            return known->second;
        });
    levelUp.describe = [](const RecordRun& run) {
        return std::to_string(run.count) + " pointers lead to level-up lists that end within " +
               std::to_string(level_up_list::kCountWindow) + " bytes";
    };
    searches.push_back(std::move(levelUp));
}
