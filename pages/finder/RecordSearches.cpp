#include "core/LittleEndian.h"
#include "core/SharedTables.h"
#include "pages/finder/RomBytes.h"
#include "pages/finder/Searches.h"
#include "pages/item/ItemRecord.h"
#include "pages/monster/BaseStatsRecord.h"
#include "pages/move/MoveRecord.h"
#include "pages/trade/TradeRecord.h"
#include "pages/trainer/PartyEntry.h"
#include "pages/trainer/TrainerRecord.h"

#include <algorithm>

// The move table, and the tables whose count Setting.ini gives: items, trainers and trades.
namespace {

// Rows shorter than these are no table: a game has more items and trainers than that, and
// a trade or two at least.
constexpr std::size_t kFewestItems = 16;
constexpr std::size_t kFewestTrainers = 8;
constexpr std::size_t kFewestTrades = 2;
// Read a few bytes off, a table of short records still passes the record's own test; its
// fields then mostly hold values beyond their lists. At most one record in this many may.
constexpr std::size_t kUnusualShare = 16;
// An item's description is a line or two.
constexpr std::size_t kLongestItemText = 256;

bool isMove(std::span<const std::uint8_t> rom, std::size_t at, const FinderLists& lists)
{
    const std::uint8_t* record = rom.data() + at;
    return record[move_record::kAccuracy] <= table_shape::kHighestPercentage &&
           record[move_record::kEffectChance] <= table_shape::kHighestPercentage &&
           (!lists.effectCount || record[move_record::kEffect] < *lists.effectCount);
}

// The name ends before the price; the description pointer leads to a text.
bool isItem(std::span<const std::uint8_t> rom, std::size_t at)
{
    if (!rom_bytes::pointerTopAt(rom, at + item_record::kDescription) ||
        !table_shape::isName(rom.subspan(at + item_record::kName, item_record::kPrice - item_record::kName)))
        return false;
    const auto text = rom_bytes::targetAt(rom, at + item_record::kDescription);
    return text && rom_bytes::textEndsWithin(rom, *text, kLongestItemText);
}

// A data type with a party format, 1 to 6 members whose entries lie inside the file at
// levels the game reaches, and a name.
bool isTrainer(std::span<const std::uint8_t> rom, std::size_t at)
{
    const auto record = rom.subspan(at).first<trainer_record::kSize>();
    const std::uint8_t members = trainer_record::partyCount(record);
    if (trainer_record::dataType(record) > party_entry::kWithItemAndMoves || members == 0 ||
        members > trainer_record::kMaxPartyCount || !rom_bytes::pointerTopAt(rom, at + trainer_record::kPartyPointer) ||
        !table_shape::isName(record.subspan(trainer_record::kName, trainer_record::kNameSize)))
        return false;
    const auto party = rom_bytes::targetAt(rom, at + trainer_record::kPartyPointer);
    const std::size_t entrySize = party_entry::layoutOf(trainer_record::dataType(record)).size;
    if (!party || rom.size() - *party < members * entrySize)
        return false;
    for (std::size_t member = 0; member < members; ++member) {
        if (rom[*party + member * entrySize + party_entry::kLevel] > table_shape::kHighestLevel)
            return false;
    }
    return true;
}

bool isTrade(std::span<const std::uint8_t> rom, std::size_t at, const FinderLists& lists)
{
    using namespace trade_record;
    const std::span<const std::uint8_t> record = rom.subspan(at, kSize);
    // The one-byte fields first: most offsets fail there.
    if (record[kAbilitySlot] > 1 || !table_shape::namesMonster(little_endian::get16(record, kOfferedMonster)) ||
        !table_shape::namesMonster(little_endian::get16(record, kWantedMonster)) ||
        !table_shape::isName(record.subspan(kNickname, kNameSize)) ||
        !table_shape::isName(record.subspan(kParentName, kNameSize)))
        return false;
    for (std::size_t iv = 0; iv < kIndividualValueCount; ++iv) {
        if (record[kIndividualValues + iv] > table_shape::kHighestIndividualValue)
            return false;
    }
    return !lists.itemNameCount || little_endian::get16(record, kHeldItem) < *lists.itemNameCount;
}

TableSearch countedSearch(std::string key, std::string countKey, std::string what, std::size_t minCount)
{
    TableSearch search;
    search.key = std::move(key);
    search.countKey = std::move(countKey);
    search.what = std::move(what);
    search.minCount = minCount;
    return search;
}

// The highest item the base stats records hold: the item table has at least that many.
std::size_t heldItemsAsked(std::span<const std::uint8_t> rom, const PlacedTables& placed)
{
    const auto stats = placed.find("MonsterBaseStats_Pos");
    if (stats == placed.end())
        return 0;
    std::size_t highest = 0;
    for (std::size_t i = 0; i < stats->second.count; ++i) {
        const std::size_t at = stats->second.at(i);
        highest = std::max<std::size_t>({highest, little_endian::get16(rom, at + base_stats_record::kCommonItem),
                                         little_endian::get16(rom, at + base_stats_record::kRareItem)});
    }
    return highest;
}

} // namespace

void addRecordSearches(const SearchContext& context, std::vector<TableSearch>& searches)
{
    const std::span<const std::uint8_t> rom = context.rom;
    const FinderLists lists = context.lists;

    TableSearch moves;
    moves.key = "AttackTable";
    moves.what = "355 move records of 12 bytes";
    moves.fixedCount = move_record::kCount;
    moves.runs = findRecordRuns(rom.size(), move_record::kSize, move_record::kCount,
                                [&](std::size_t at) { return isMove(rom, at, lists); });
    moves.usual = [rom](std::size_t at) { return rom[at + move_record::kType] < table_shape::kTypeCount; };
    moves.mostUnusual = move_record::kCount / kUnusualShare;
    moves.describe = [rom, lists](const RecordRun& run) {
        std::size_t typed = 0;
        for (std::size_t i = 0; i < run.count; ++i)
            typed += rom[run.at(i) + move_record::kType] < table_shape::kTypeCount ? 1 : 0;
        return std::to_string(run.count) + " records of 12 bytes with percentages up to 100" +
               (lists.effectCount ? ", effects of effects.ini" : "") + " and " + std::to_string(typed) +
               " of them with a type of the list";
    };
    searches.push_back(std::move(moves));

    TableSearch items = countedSearch("Item_Data", "Item_DataNum",
                                      "item records of 40 bytes with names and descriptions", kFewestItems);
    items.runs = narrowRuns(context.pointers.rows(item_record::kSize, item_record::kDescription, kFewestItems),
                            kFewestItems, [rom](std::size_t at) { return isItem(rom, at); });
    items.requiredCount = [rom](const PlacedTables& placed) { return heldItemsAsked(rom, placed); };
    items.describe = [](const RecordRun& run) {
        return std::to_string(run.count) + " records of 40 bytes: names decode, description pointers lead to texts";
    };
    searches.push_back(std::move(items));

    TableSearch trainers = countedSearch("TrainerData", "TrainerDataNum",
                                         "trainer records of 32 bytes with names and parties", kFewestTrainers);
    trainers.runs =
        narrowRuns(context.pointers.rows(trainer_record::kSize, trainer_record::kPartyPointer, kFewestTrainers),
                   kFewestTrainers, [rom](std::size_t at) { return isTrainer(rom, at); });
    trainers.describe = [](const RecordRun& run) {
        return std::to_string(run.count) + " records of 32 bytes: names decode, parties of 1 to 6 inside the file";
    };
    searches.push_back(std::move(trainers));

    TableSearch trades = countedSearch("Communication_Change", "Communication_ChangeNum",
                                       "trade records of 60 bytes with two names", kFewestTrades);
    trades.runs = findRecordRuns(rom.size(), trade_record::kSize, kFewestTrades,
                                 [&](std::size_t at) { return isTrade(rom, at, lists); });
    trades.describe = [](const RecordRun& run) {
        return std::to_string(run.count) + " records of 60 bytes: both names decode, monsters of the list," +
               " individual values up to 31";
    };
    searches.push_back(std::move(trades));
}
