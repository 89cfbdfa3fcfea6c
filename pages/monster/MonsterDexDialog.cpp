#include "pages/monster/MonsterPage.h"

#include "core/FieldStore.h"
#include "core/NumberParsing.h"
#include "core/Profile.h"
#include "core/RomFile.h"
#include "core/codec/GameCodec.h"
#include "core/ui/DialogControls.h"
#include "core/ui/StatusLine.h"
#include "pages/monster/DexDescription.h"
#include "pages/monster/LevelUpList.h"
#include "pages/monster/MonsterDialog.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <vector>

using namespace monster_dialog;

namespace {

constexpr const char* kCacheFile = "String.ini";
constexpr std::size_t kCacheValueSize = 30;
constexpr std::int64_t kHighestTenths = 9999;

std::string tenthsText(std::uint16_t tenths)
{
    char text[32];
    std::snprintf(text, sizeof text, "%0.01f", tenths * 0.1);
    return text;
}

constexpr FieldCaption kCaptions[] = {{kHeight, "高さ"}, {kWeight, "重さ"}};

// A typed height or weight in tenths, kept within 0 to 9999.
std::uint16_t tenthsField(FieldStore& store, const IDialogControls& controls, int id)
{
    const std::string typed = controls.text(id, kNumberInputLength);
    const double tenths = std::trunc(std::strtod(typed.c_str(), nullptr) * 10);
    // Out of range is reported and kept within it, never wrapped into another value.
    const std::int64_t value =
        std::isnan(tenths) ? -1 : static_cast<std::int64_t>(std::clamp(tenths, -1.0, static_cast<double>(kHighestTenths + 1)));
    return static_cast<std::uint16_t>(store.clamped(id, value, 0, kHighestTenths));
}

// The description's length in bytes by measuring it in the ROM: 0 when nothing could be read.
std::size_t measureDescription(const std::string& romPath, std::uint32_t offset)
{
    const ResultOf<std::vector<std::uint8_t>> bytes = readFileWindow(romPath, offset, dex_description::kMeasureWindow);
    return bytes.ok() ? dex_description::measure(*bytes) : 0;
}

} // namespace

void CSolid_Value::showDexEntry(IDialogControls& controls, std::size_t dexNumber)
{
    const DexEntry& entry = m_dex[dexNumber];
    controls.setText(kDescriptionAddress, hexText(entry.descriptionOffset));
    controls.setText(kDescription, "");
    controls.setText(kHeight, tenthsText(entry.height));
    controls.setText(kWeight, tenthsText(entry.weight));

    const std::string cache = context().programFile(kCacheFile);
    const std::string key = level_up_list::cacheKey(entry.descriptionOffset);
    std::optional<int> length = level_up_list::cachedCount(
        profileReadString(cache, context().gameCode(), key, "", kCacheValueSize), dex_description::kLongestCached);
    if (!length || *length == 0) {
        length = static_cast<int>(measureDescription(romPath(), entry.descriptionOffset));
        profileWriteString(cache, context().gameCode(), key, std::to_string(*length));
    }
    controls.setText(kDescriptionSize, hexText(static_cast<std::uint32_t>(*length)));
    m_description = {entry.descriptionOffset, static_cast<std::uint32_t>(*length), false, 0};
    if (*length == 0)
        return;

    ResultOf<RomFile> file = RomFile::openForReading(romPath());
    if (!file.ok()) {
        statusShow(context().statusLine(), file.errorText());
        return;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(*length));
    if (!file->readAt(entry.descriptionOffset, bytes).ok())
        return;
    m_description.loaded = true;
    m_description.room = static_cast<std::uint32_t>(dex_description::measure(bytes));
    controls.setText(kDescription, dex_description::decode(bytes));
}

void CSolid_Value::storeCategory(IDialogControls& controls)
{
    IStatusLine* status = context().statusLine();
    statusShow(status, "");
    const int selected = controls.selection(kDex);
    std::span<std::uint8_t> field;
    if (selected >= 0 && selected < static_cast<int>(dex_record::kCount))
        field = m_dex[static_cast<std::size_t>(selected)].category;
    // A category keeps the first 5 bytes of a name encoded into 6.
    const NameStoreResult result =
        ::storeName(controls, status, kCategory, kNameInputLength, field, SharedTables::kMonsterNameSize);
    if (result == NameStoreResult::Empty || result == NameStoreResult::NoField)
        return;
    char prefix[8];
    std::snprintf(prefix, sizeof prefix, "%03d:", selected);
    controls.deleteItem(kDex, selected);
    controls.insertItem(kDex, selected, prefix + gameCodec().decodeField(field));
    controls.setSelection(kDex, selected);
}

void CSolid_Value::storeHeightAndWeight(IDialogControls& controls)
{
    const int selected = controls.selection(kDex);
    if (selected < 0 || selected >= static_cast<int>(dex_record::kCount)) {
        statusShow(context().statusLine(), "異常。");
        return;
    }
    DexEntry& entry = m_dex[static_cast<std::size_t>(selected)];
    FieldStore store(controls, kCaptions);
    entry.height = tenthsField(store, controls, kHeight);
    entry.weight = tenthsField(store, controls, kWeight);
    controls.setText(kHeight, tenthsText(entry.height));
    controls.setText(kWeight, tenthsText(entry.weight));
    store.report(context().statusLine(), kSuitableValueText);
}

// Writes within the text that was read: never past the 0xFF that ends it in the ROM, never
// where the read failed.
void CSolid_Value::saveDescription(IDialogControls& controls)
{
    IStatusLine* status = context().statusLine();
    if (!m_description.loaded || m_description.room == 0) {
        statusShow(status, "説明を読み取れなかったので、保存しませんでした。");
        return;
    }
    const std::string text = controls.text(kDescription, dex_description::longestDecoding(m_description.length));
    const std::vector<std::uint8_t> bytes = dex_description::encode(text, m_description.room);
    if (Result stored = context().writeRomAt(m_description.offset, bytes); !stored.ok()) {
        statusShow(status, stored.errorText());
        return;
    }
    if (m_description.room < m_description.length)
        statusPrint(status, "説明がRomでは0x%X バイトで終わっているので、そこまで保存しました。",
                    static_cast<unsigned>(m_description.room));
}
