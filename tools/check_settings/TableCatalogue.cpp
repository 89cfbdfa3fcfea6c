#include "tools/check_settings/TableCatalogue.h"

#include "core/CartridgePointer.h"
#include "core/SharedTables.h"
#include "pages/egg/EggMoveTable.h"
#include "pages/image/ImagePage.h"
#include "pages/item/ItemRecord.h"
#include "pages/monster/BaseStatsRecord.h"
#include "pages/monster/DexRecord.h"
#include "pages/monster/EvolutionRecord.h"
#include "pages/monster/LevelUpPointer.h"
#include "pages/monster/TmHmRecord.h"
#include "pages/move/MoveRecord.h"
#include "pages/other/OtherTables.h"
#include "pages/trade/TradeRecord.h"
#include "pages/trainer/TrainerRecord.h"

namespace {

constexpr std::string_view kNoPictures = "the image page reads none of its four pointer tables";
constexpr std::string_view kNoTrainers =
    "the trainer page's read fails, and with it the opening of every ROM of this game";

const std::array<TableSpec, 21> kTables = {{
    {.key = "Name_Start_Pos", .what = "the monster name table", .fixedCount = SharedTables::kMonsterCount,
     .recordSize = SharedTables::kMonsterNameSize, .check = checkNameTable},
    {.key = "MonsterBaseStats_Pos", .what = "the base stats table", .fixedCount = base_stats_record::kCount,
     .recordSize = base_stats_record::kSize, .check = checkBaseStats},
    {.key = "Monster_Evol_Data_Pos", .what = "the evolution table", .fixedCount = SharedTables::kMonsterCount,
     .recordSize = evolution_record::kMonsterSize, .check = checkEvolutions},
    {.key = "MonsterDexData", .what = "the dex table", .fixedCount = dex_record::kCount,
     .recordSize = dex_record::kSize, .lastRecordUnread = dex_record::kSize - dex_record::kReadSize,
     .check = checkDexRecords},
    {.key = "Level_Skill", .what = "the level-up pointer table", .fixedCount = level_up_pointer::kCount,
     .recordSize = level_up_pointer::kSize, .check = checkLevelUpPointers},
    {.key = "Skill_Machine", .what = "the TM/HM table", .fixedCount = SharedTables::kMonsterCount,
     .recordSize = tm_hm_record::kSize},
    {.key = "MonsterEggData", .what = "the egg move table", .countKey = "MonsterEggDataNum",
     .recordSize = egg_table::kWordSize, .check = checkEggTable},
    {.key = "TrainerData", .what = "the trainer table", .countKey = "TrainerDataNum",
     .recordSize = trainer_record::kSize, .check = checkTrainerRecords, .unconfigured = kNoTrainers},
    {.key = "AttackTable", .what = "the move table", .fixedCount = move_record::kCount,
     .recordSize = move_record::kSize, .check = checkMoveRecords},
    {.key = "Item_Data", .what = "the item table", .countKey = "Item_DataNum", .recordSize = item_record::kSize,
     .check = checkItemRecords},
    {.key = "Compatibility", .what = "the type chart pointer", .fixedCount = 1, .recordSize = cartridge::kPointerSize,
     .check = checkTypeChartPointer},
    {.key = "MonsterPics", .what = "the front picture pointer table", .countKey = "PicsNum",
     .recordSize = image_entry::kSize, .check = checkPicturePointers, .unconfigured = kNoPictures},
    {.key = "MonsterPal", .what = "the palette pointer table", .countKey = "PicsNum", .recordSize = image_entry::kSize,
     .check = checkPicturePointers, .unconfigured = kNoPictures},
    {.key = "MonsterBackPics", .what = "the back picture pointer table", .countKey = "PicsNum",
     .recordSize = image_entry::kSize, .check = checkPicturePointers, .unconfigured = kNoPictures},
    {.key = "MonsterShinyPal", .what = "the shiny palette pointer table", .countKey = "PicsNum",
     .recordSize = image_entry::kSize, .check = checkPicturePointers, .unconfigured = kNoPictures},
    {.key = "Communication_Change", .what = "the trade table", .countKey = "Communication_ChangeNum",
     .recordSize = trade_record::kSize, .check = checkTradeRecords},
    {.key = "TrainerClasses", .what = "the trainer class name table", .countKey = "TrainerClassesNum",
     .recordSize = other_tables::kClassNameSize, .check = checkNameTable},
    {.key = "AttackName", .what = "the move name table", .fixedCount = SharedTables::kMoveNameCount,
     .recordSize = SharedTables::kMoveNameSize, .check = checkNameTable},
    {.key = "Left", .what = "the left starter", .fixedCount = 1, .recordSize = other_tables::kStarterSize,
     .check = checkStarter},
    {.key = "Center", .what = "the centre starter", .fixedCount = 1, .recordSize = other_tables::kStarterSize,
     .check = checkStarter},
    {.key = "Right", .what = "the right starter", .fixedCount = 1, .recordSize = other_tables::kStarterSize,
     .check = checkStarter},
}};

} // namespace

std::span<const TableSpec> configuredTables()
{
    return kTables;
}
