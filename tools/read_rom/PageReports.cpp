#include "tools/read_rom/PageReports.h"

#include "core/TabSystem.h"
#include "pages/egg/EggMovePage.h"
#include "pages/egg/EggMoveTable.h"
#include "pages/image/ImagePage.h"
#include "pages/item/ItemPage.h"
#include "pages/item/ItemRecord.h"
#include "pages/monster/MonsterPage.h"
#include "pages/move/MovePage.h"
#include "pages/move/MoveRecord.h"
#include "pages/other/OtherPage.h"
#include "pages/text/TextPage.h"
#include "pages/trade/TradePage.h"
#include "pages/trainer/TrainerPage.h"
#include "pages/typechart/TypeChartEntry.h"
#include "pages/typechart/TypeChartPage.h"
#include "tools/read_rom/GameText.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <string>

namespace {

// Records shown per table; the rest are counted.
constexpr std::size_t kShown = 4;

std::uint16_t get16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t get32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return get16(bytes, at) | static_cast<std::uint32_t>(get16(bytes, at + 2)) << 16;
}

std::string moveName(const CTabSystem& tabs, std::size_t move)
{
    if (move == 0 || move > SharedTables::kMoveNameCount)
        return "-";
    return gameText(std::span(tabs.tables().moveNames).subspan((move - 1) * SharedTables::kMoveNameSize,
                                                                SharedTables::kMoveNameSize));
}

std::string monsterName(const CTabSystem& tabs, std::size_t monster)
{
    if (monster >= SharedTables::kMonsterCount)
        return std::to_string(monster) + " ?";
    return std::to_string(monster) + " " + gameText(std::span(tabs.tables().monsterNames).subspan(monster * SharedTables::kMonsterNameSize,
                                                                   SharedTables::kMonsterNameSize));
}

void printMonsters(CSolid_Value& page, const CTabSystem& tabs)
{
    std::printf("names at 0x%06X, base stats at 0x%06X, evolutions at 0x%06X, dex at 0x%06X, level-up lists at 0x%06X\n",
                page.nameOffset(), page.baseStatsOffset(), page.evolutionOffset(), page.dexOffset(),
                page.levelUpTableOffset());
    for (std::size_t m = 1; m <= kShown; ++m) {
        auto stats = page.baseStats(m);
        const EvolutionEntry& evolution = page.evolution(m);
        std::printf("  %s: HP %u attack %u defence %u speed %u types %u/%u, evolves (method %u) into %s, level-up list at 0x%06X\n",
                    monsterName(tabs, m).c_str(), stats[base_stats_record::kHp], stats[base_stats_record::kAttack],
                    stats[base_stats_record::kDefence], stats[base_stats_record::kSpeed],
                    stats[base_stats_record::kType1], stats[base_stats_record::kType2], evolution.methods[0],
                    monsterName(tabs, evolution.targets[0]).c_str(), page.levelUpOffset(m));
    }
    for (std::size_t d = 1; d <= kShown; ++d) {
        const DexEntry& dex = page.dex(d);
        std::printf("  dex %zu: %s, %u.%u m, %u.%u kg, description at 0x%06X\n", d, gameText(dex.category).c_str(),
                    dex.height / 10, dex.height % 10, dex.weight / 10, dex.weight % 10, dex.descriptionOffset);
    }
}

void printEggMoves(const CTamago_Skill& page, const CTabSystem& tabs)
{
    std::printf("egg move table at 0x%06X, %d words, %zu monsters\n", page.tableOffset(), page.wordCount(),
                page.entries().size());
    for (std::size_t e = 0; e < std::min(kShown, page.entries().size()); ++e) {
        const Skill_Struct_Data& entry = page.entries()[e];
        const std::uint16_t monster = egg_table::monsterOf(egg_table::word(page.rawTable(), entry.markerPosition));
        std::printf("  %s:", monsterName(tabs, monster).c_str());
        for (std::uint16_t move : entry.moves)
            std::printf(" %s", moveName(tabs, move).c_str());
        std::printf("\n");
    }
}

void printMoves(CAttack_Edit& page, const CTabSystem& tabs)
{
    std::printf("move table at 0x%06X, %zu moves\n", page.tableOffset(), move_record::kCount);
    for (std::size_t move = 0; move < kShown; ++move) {
        auto r = page.record(move);
        std::printf("  move %zu %s: effect %u power %u type %u accuracy %u PP %u chance %u\n", move,
                    moveName(tabs, move).c_str(), r[move_record::kEffect], r[move_record::kPower],
                    r[move_record::kType], r[move_record::kAccuracy], r[move_record::kPp],
                    r[move_record::kEffectChance]);
    }
}

void printItems(CItem_Edit& page, const CTabSystem& tabs)
{
    std::printf("item table at 0x%06X, %d items\n", page.tableOffset(), tabs.tables().itemCount);
    for (std::size_t item = 0; item < std::min<std::size_t>(kShown, tabs.tables().itemCount); ++item) {
        auto r = page.record(item);
        std::printf("  item %zu %s: price %u parameter %u pocket %u description at 0x%08X\n", item,
                    gameText(r.first(item_record::kNameLength)).c_str(), get16(r, item_record::kPrice),
                    r[item_record::kParameter], r[item_record::kPocket], get32(r, item_record::kDescription));
    }
}

void printTypeChart(CTamblor_Compatibility& page)
{
    std::printf("type chart pointer at 0x%06X, entries at 0x%06X, %zu entries\n", page.pointerLocation(),
                page.tableOffset(), page.entryCount());
    for (std::size_t i = 0; i < std::min(kShown, page.entryCount()); ++i) {
        auto e = page.entry(i);
        std::printf("  type %u against type %u: x%u/10\n", e[type_chart::kAttacker], e[type_chart::kDefender],
                    e[type_chart::kMultiplier]);
    }
}

void printTrainers(CTrainer_Edit& page, const CTabSystem& tabs)
{
    std::printf("trainer table at 0x%06X, %zu trainers, %d trainer classes\n", page.tableOffset(),
                page.recordCount(), tabs.tables().trainerClassCount);
    for (std::size_t t = 0; t < std::min(kShown, page.recordCount()); ++t) {
        auto r = page.record(t);
        const std::uint8_t dataType = trainer_record::dataType(r);
        const std::uint8_t count = trainer_record::partyCount(r);
        const std::uint32_t party = trainer_record::partyOffset(r);
        std::printf("  trainer %zu %s: class %u data type %u, %u in the party at 0x%06X:", t,
                    gameText(r.subspan(trainer_record::kName, trainer_record::kNameSize)).c_str(),
                    r[trainer_record::kTrainerClass], dataType, count, party);
        if (page.GbaRom_Tamblor_Data_Load(party, count, t) != kPartyDone) {
            std::printf(" (party not read)\n");
            continue;
        }
        for (std::size_t slot = 0; slot < std::min<std::size_t>(count, trainer_record::kMaxPartyCount); ++slot)
            std::printf(" %s L%u", monsterName(tabs, page.party().get16(slot, party_entry::kMonster)).c_str(),
                        page.party().base[slot][party_entry::kLevel]);
        std::printf("\n");
    }
}

void printTrades(CTamblor_Communication_Change& page, const CTabSystem& tabs)
{
    std::printf("trade table at 0x%06X, %zu trades\n", page.tableOffset(), page.recordCount());
    for (std::size_t t = 0; t < std::min(kShown, page.recordCount()); ++t) {
        auto r = page.record(t);
        std::printf("  trade %zu: %s for %s, nickname %s, parent %s, personality 0x%08X\n", t,
                    monsterName(tabs, get16(r, trade_record::kOfferedMonster)).c_str(),
                    monsterName(tabs, get16(r, trade_record::kWantedMonster)).c_str(),
                    gameText(r.subspan(trade_record::kNickname, trade_record::kNameSize)).c_str(),
                    gameText(r.subspan(trade_record::kParentName, trade_record::kNameSize)).c_str(),
                    get32(r, trade_record::kPersonality));
    }
}

void printOther(COmake& page, const CTabSystem& tabs)
{
    const SharedTables& shared = tabs.tables();
    std::printf("trainer class names at 0x%06X (%d), move names at 0x%06X\n", page.classNameOffset(),
                shared.trainerClassCount, page.moveNameOffset());
    for (std::size_t c = 0; c < std::min<std::size_t>(kShown, shared.trainerClassCount); ++c)
        std::printf("  class %zu %s\n", c,
                    gameText(std::span(shared.trainerClassNames)
                                 .subspan(c * SharedTables::kTrainerClassNameSize, SharedTables::kTrainerClassNameSize))
                        .c_str());
    for (std::size_t move = 1; move <= kShown; ++move)
        std::printf("  move name %zu %s\n", move, moveName(tabs, move).c_str());
    std::printf("  starters: %s, %s, %s\n", monsterName(tabs, page.starter(COmake::Starter::Left)).c_str(),
                monsterName(tabs, page.starter(COmake::Starter::Center)).c_str(),
                monsterName(tabs, page.starter(COmake::Starter::Right)).c_str());
}

void printImages(CImage& page)
{
    std::printf("%d pictures; front pictures at 0x%06X, palettes at 0x%06X, back pictures at 0x%06X, shiny palettes at 0x%06X\n",
                page.picsNum(), page.tableOffset(ImageItem::FrontPicture), page.tableOffset(ImageItem::NormalPalette),
                page.tableOffset(ImageItem::BackPicture), page.tableOffset(ImageItem::ShinyPalette));
    for (std::int32_t entry = 0; entry < std::min<std::int32_t>(kShown, page.picsNum()); ++entry)
        std::printf("  monster %d: front 0x%08X palette 0x%08X back 0x%08X shiny 0x%08X\n", entry,
                    page.entryPointer(ImageItem::FrontPicture, entry), page.entryPointer(ImageItem::NormalPalette, entry),
                    page.entryPointer(ImageItem::BackPicture, entry), page.entryPointer(ImageItem::ShinyPalette, entry));
    for (std::size_t d = 0; d < CImage::kDomainCount; ++d)
        if (page.domain(d).isSet())
            std::printf("  write-out area %zu: 0x%06X, %d bytes\n", d + 1, page.domain(d).start, page.domain(d).length);
}

} // namespace

void printPageReport(CWindowBase& page, CTabSystem& tabs)
{
    if (auto* monsters = dynamic_cast<CSolid_Value*>(&page))
        printMonsters(*monsters, tabs);
    else if (auto* eggs = dynamic_cast<CTamago_Skill*>(&page))
        printEggMoves(*eggs, tabs);
    else if (auto* moves = dynamic_cast<CAttack_Edit*>(&page))
        printMoves(*moves, tabs);
    else if (auto* items = dynamic_cast<CItem_Edit*>(&page))
        printItems(*items, tabs);
    else if (auto* chart = dynamic_cast<CTamblor_Compatibility*>(&page))
        printTypeChart(*chart);
    else if (auto* trainers = dynamic_cast<CTrainer_Edit*>(&page))
        printTrainers(*trainers, tabs);
    else if (auto* trades = dynamic_cast<CTamblor_Communication_Change*>(&page))
        printTrades(*trades, tabs);
    else if (auto* other = dynamic_cast<COmake*>(&page))
        printOther(*other, tabs);
    else if (auto* images = dynamic_cast<CImage*>(&page))
        printImages(*images);
    else if (dynamic_cast<CTamblorText*>(&page))
        std::printf("texts are read when a document asks for one\n");
}
