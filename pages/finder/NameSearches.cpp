#include "core/SharedTables.h"
#include "pages/finder/Searches.h"
#include "pages/finder/TableShapes.h"
#include "pages/other/OtherTables.h"
#include "pages/trainer/TrainerRecord.h"

#include <algorithm>

// The three tables of names in fields of one length: monster names, move names and trainer
// class names. Every field holds a name of at least one character, ended inside the field.
namespace {

// Fewer trainer classes than this are no table of them.
constexpr std::size_t kFewestClasses = 4;

TableSearch nameSearch(const SearchContext& context, std::string key, std::string what, std::size_t fieldSize,
                       std::size_t fixedCount, std::size_t minCount)
{
    TableSearch search;
    search.key = std::move(key);
    search.what = std::move(what);
    search.fixedCount = fixedCount;
    search.minCount = minCount;
    search.runs = earliestReadings(findRecordRuns(context.rom.size(), fieldSize,
                                                  fixedCount > 0 ? fixedCount : minCount,
                                                  [&](std::size_t at) {
                                                      return table_shape::isName(context.rom.subspan(at, fieldSize));
                                                  }));
    search.describe = [fieldSize](const RecordRun& run) {
        return std::to_string(run.count) + " names decode, " + std::to_string(fieldSize) + "-byte fields";
    };
    return search;
}

} // namespace

void addNameSearches(const SearchContext& context, std::vector<TableSearch>& searches)
{
    searches.push_back(nameSearch(context, "Name_Start_Pos",
                                  std::to_string(SharedTables::kMonsterCount) + " monster names of " +
                                      std::to_string(SharedTables::kMonsterNameSize) + " bytes",
                                  SharedTables::kMonsterNameSize, SharedTables::kMonsterCount, 0));
    searches.push_back(nameSearch(context, "AttackName",
                                  std::to_string(SharedTables::kMoveNameCount) + " move names of " +
                                      std::to_string(SharedTables::kMoveNameSize) + " bytes",
                                  SharedTables::kMoveNameSize, SharedTables::kMoveNameCount, 0));

    TableSearch classes = nameSearch(context, "TrainerClasses",
                                     "trainer class names of " + std::to_string(other_tables::kClassNameSize) +
                                         " bytes for every class the trainers have",
                                     other_tables::kClassNameSize, 0, kFewestClasses);
    classes.countKey = "TrainerClassesNum";
    // Every trainer's class has a name.
    const std::span<const std::uint8_t> rom = context.rom;
    classes.requiredCount = [rom](const PlacedTables& placed) -> std::size_t {
        const auto trainers = placed.find("TrainerData");
        if (trainers == placed.end())
            return 0;
        std::size_t highest = 0;
        for (std::size_t i = 0; i < trainers->second.count; ++i)
            highest = std::max<std::size_t>(highest, rom[trainers->second.at(i) + trainer_record::kTrainerClass]);
        return highest + 1;
    };
    searches.push_back(std::move(classes));
}
