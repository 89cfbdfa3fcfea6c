#include "core/SelectionLists.h"

#include "core/codec/GameCodec.h"
#include "core/ui/DialogControls.h"

#include <array>
#include <cstdio>
#include <span>
#include <vector>

namespace {

constexpr std::array<const char*, 18> kTypeNames = {
    "ノーマル", "格闘", "飛行", "毒", "地面",   "岩",     "虫",     "ゴースト", "鋼",
    "不明",     "火",   "水",   "草", "電気", "エスパー", "氷", "ドラゴン", "悪"};

constexpr const char* kNoMoveName = "0不明";

// The lists show a name without its field's last byte.
constexpr std::size_t kShownMoveNameBytes = SharedTables::kMoveNameSize - 1;
constexpr std::size_t kShownMonsterNameBytes = SharedTables::kMonsterNameSize - 1;

} // namespace

void fillTypeNameList(IDialogControls& controls, int comboId)
{
    const std::vector<std::string> names(kTypeNames.begin(), kTypeNames.end());
    controls.addItems(comboId, names);
}

std::string moveListName(const SharedTables& tables, std::size_t nameIndex)
{
    if (nameIndex >= SharedTables::kMoveNameCount)
        return {};
    const std::span<const std::uint8_t> field(tables.moveNames.data() + nameIndex * SharedTables::kMoveNameSize,
                                              kShownMoveNameBytes);
    return gameCodec().decodeField(field);
}

void fillMoveNameList(IDialogControls& controls, int comboId, const SharedTables& tables)
{
    std::vector<std::string> names = {kNoMoveName};
    for (std::size_t i = 0; i < SharedTables::kMoveNameCount; ++i)
        names.push_back(moveListName(tables, i));
    controls.addItems(comboId, names);
}

std::vector<std::string> itemNames(const SharedTables& tables)
{
    std::vector<std::string> names;
    const std::span<const std::uint8_t> items(tables.items);
    for (std::size_t at = 0; at + SharedTables::kItemRecordSize <= items.size(); at += SharedTables::kItemRecordSize)
        names.push_back(gameCodec().decodeField(items.subspan(at, SharedTables::kItemNameSize)));
    return names;
}

std::string monsterListEntry(const SharedTables& tables, std::size_t monster)
{
    if (monster >= SharedTables::kMonsterCount)
        return {};
    const std::span<const std::uint8_t> field(tables.monsterNames.data() + monster * SharedTables::kMonsterNameSize,
                                              kShownMonsterNameBytes);
    char number[8];
    std::snprintf(number, sizeof number, "%03d:", static_cast<int>(monster));
    std::string entry = number;
    entry += gameCodec().decodeField(field);
    return entry;
}

void fillMonsterList(IDialogControls& controls, int comboId, const SharedTables& tables)
{
    std::vector<std::string> entries;
    for (std::size_t monster = 0; monster < SharedTables::kMonsterCount; ++monster)
        entries.push_back(monsterListEntry(tables, monster));
    controls.addItems(comboId, entries);
}
