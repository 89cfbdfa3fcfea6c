#include "core/relocation/RelocationParameters.h"

#include <array>

namespace {

// A level-up entry is 2 bytes, but the search asks for 4 an entry, and 2 for the end entry.
std::int64_t levelUpListBytes(std::int64_t count, int)
{
    return 4 * count + 2;
}

// 3-byte entries and the two end bytes.
std::int64_t typeChartBytes(std::int64_t count, int)
{
    return 3 * count + 2;
}

// Data types 1 and 3 carry a move part after each 8-byte member.
std::int64_t partyBytes(std::int64_t count, int dataType)
{
    return count * (dataType == 1 || dataType == 3 ? 16 : 8);
}

constexpr std::array<const char*, 5> kPartyDataTypes = {"普通", "技指定可", "道具指定可", "道具&技指定可",
                                                         "不明(指定しないで下さい)"};

} // namespace

const RelocationParameters kMonsterRelocation = {
    .title = "ざるばとえでぃた～",
    .countLabel = "技の数：",
    .narrowCountEdit = true,
    .badCountText = "技の数がおかしいです。",
    .bytesNeeded = levelUpListBytes,
    .areaOperation = "GbaRomData_Waza_Data_Save",
    .pointerOperation = "GbaRomData_Level_Addr_Save",
};

const RelocationParameters kTypeChartRelocation = {
    .title = "相性変更～",
    .countLabel = "相性の数：",
    .narrowCountEdit = true,
    .badCountText = "相性の数がおかしいです。",
    .bytesNeeded = typeChartBytes,
    .areaOperation = "GbaRomData_Comp_Data_Save",
    .pointerOperation = "GbaRomData_Comp_Data_Save",
};

const RelocationParameters kTrainerRelocation = {
    .dataTypeNames = kPartyDataTypes,
    .maximumDataType = 3,
    .maximumCount = 6,
    .badCountText = "ザルバトの数がおかしいです。",
    .bytesNeeded = partyBytes,
    .defaultMaximum = "100",
    .closesAfterEveryStore = true,
    .uncopiedAreaText = "初期化しました。",
    .areaOperation = "GbaRom_Tamblor_New_Data",
    .pointerOperation = "GbaRom_Data_Save",
    .openFailedText = "ファイルの読み込みに失敗しました。",
    .areaFailedText = "ザルバトデータを書き込めませんでした",
    .pointerFailedText = "トレーナーデータを書き込めませんでした",
};
