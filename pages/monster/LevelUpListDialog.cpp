#include "pages/monster/MonsterPage.h"

#include "core/FieldStore.h"
#include "core/NumberParsing.h"
#include "core/Profile.h"
#include "core/RomFile.h"
#include "core/relocation/RelocationDialogHandler.h"
#include "core/ui/DialogControls.h"
#include "core/ui/StatusLine.h"
#include "pages/monster/LevelUpList.h"
#include "pages/monster/LevelUpRelocation.h"
#include "pages/monster/MonsterDialog.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

using namespace monster_dialog;
namespace list = level_up_list;

namespace {

constexpr const char* kCacheFile = "waza.ini";
constexpr std::size_t kCacheValueSize = 30;
constexpr const char* kDeadEndText = "行き止まりです。。";

// The count of the list at the offset in the ROM; 0 when the file cannot be read there.
int countInRom(const std::string& romPath, std::uint32_t offset)
{
    const ResultOf<std::vector<std::uint8_t>> bytes = readFileWindow(romPath, offset, list::kCountWindow);
    return bytes.ok() ? list::countEntries(*bytes) : 0;
}

std::string lineText(const IDialogControls& controls, list::Entry entry)
{
    char level[16];
    std::snprintf(level, sizeof level, "Lv:%03d ", entry.level);
    return level + controls.itemText(kLevelMove, entry.move);
}

} // namespace

void CSolid_Value::showLevelUpList(IDialogControls& controls)
{
    const std::uint32_t offset = m_levelUpOffsets[static_cast<std::size_t>(m_currentMonster)];
    controls.setText(kLevelAddress, hexText(offset));
    controls.clearItems(kLevelList);
    // What another monster's list left must never be saved over this one's.
    m_levelUpList.clear();
    m_levelUpLoaded = false;
    m_levelUpRoom = 0;

    const std::string cache = context().programFile(kCacheFile);
    const std::string key = list::cacheKey(offset);
    std::optional<int> count = list::cachedCount(
        profileReadString(cache, context().gameCode(), key, "", kCacheValueSize), list::kMostCachedEntries);
    if ((!count || *count == 0) && !m_rescan) {
        count = countInRom(romPath(), offset);
        profileWriteString(cache, context().gameCode(), key, std::to_string(*count));
        m_rescan = true;
    }
    const int entries = count ? *count : 0;
    controls.setText(kLevelCount, std::to_string(entries));
    if (entries == 0) {
        m_levelUpLoaded = true;
        return;
    }

    m_levelUpList.assign(static_cast<std::size_t>(entries) * list::kEntrySize, 0);
    if (Result read = readFileAt(romPath(), offset, m_levelUpList); !read.ok()) {
        statusShow(context().statusLine(), read.errorText());
        return;
    }
    m_levelUpLoaded = true;
    m_levelUpRoom = list::entriesBeforeEnd(m_levelUpList);
    const list::Entry first = list::entry(m_levelUpList, 0);
    controls.setText(kLevel, std::to_string(first.level));
    controls.setSelection(kLevelMove, first.move);
    fillLevelUpLines(controls, 0);
}

void CSolid_Value::fillLevelUpLines(IDialogControls& controls, int selected)
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < m_levelUpList.size() / list::kEntrySize; ++i)
        lines.push_back(lineText(controls, list::entry(m_levelUpList, i)));
    controls.clearItems(kLevelList);
    controls.addItems(kLevelList, lines);
    controls.setSelection(kLevelList, selected);
}

void CSolid_Value::selectLevelUpLine(IDialogControls& controls)
{
    const int line = controls.selection(kLevelList);
    if (line < 0 || static_cast<std::size_t>(line) >= m_levelUpList.size() / list::kEntrySize)
        return;
    const list::Entry entry = list::entry(m_levelUpList, static_cast<std::size_t>(line));
    controls.setText(kLevel, std::to_string(entry.level));
    controls.setSelection(kLevelMove, entry.move);
}

void CSolid_Value::storeLevelUpEntry(IDialogControls& controls)
{
    const int line = controls.selection(kLevelList);
    if (line < 0 || static_cast<std::size_t>(line) >= m_levelUpList.size() / list::kEntrySize)
        return;
    constexpr FieldCaption kCaptions[] = {{kLevel, "レベル"}, {kLevelMove, "技"}};
    FieldStore store(controls, kCaptions);
    const auto move = static_cast<std::uint16_t>(store.selection(kLevelMove, {0, 999, 0}));
    const auto level =
        static_cast<int>(store.clamped(kLevel, store.decimal(kLevel, kNumberInputLength), 1, list::kHighestLevel));
    list::setEntry(m_levelUpList, static_cast<std::size_t>(line), {move, level});
    fillLevelUpLines(controls, line);
    selectLevelUpLine(controls);
    store.report(context().statusLine(), kSuitableValueText);
}

void CSolid_Value::swapLevelUpEntries(IDialogControls& controls, bool upwards)
{
    const int line = controls.selection(kLevelList);
    const int entries = static_cast<int>(m_levelUpList.size() / list::kEntrySize);
    const int other = upwards ? line - 1 : line + 1;
    if (line < 0 || line >= entries || other < 0 || other >= entries) {
        statusShow(context().statusLine(), kDeadEndText);
        return;
    }
    list::swapEntries(m_levelUpList, static_cast<std::size_t>(line), static_cast<std::size_t>(other));
    fillLevelUpLines(controls, other);
}

// Writes the entries in place, within what was read and never past the end entry the ROM
// holds there.
void CSolid_Value::saveLevelUpList()
{
    IStatusLine* status = context().statusLine();
    if (m_levelUpTableOffset == kNotConfigured)
        return;
    if (!m_levelUpLoaded) {
        statusShow(status, "技のリストを読み取れなかったので、保存しませんでした。");
        return;
    }
    const std::size_t entries = m_levelUpList.size() / list::kEntrySize;
    const std::size_t written = std::min(entries, m_levelUpRoom);
    if (written == 0) {
        if (entries > 0)
            statusShow(status, "Romのリストは0個で終わっているので、保存しませんでした。");
        return;
    }
    const std::uint32_t offset = m_levelUpOffsets[static_cast<std::size_t>(m_currentMonster)];
    const Result stored = context().writeRomAt(offset, std::span(m_levelUpList).first(written * list::kEntrySize));
    if (!stored.ok()) {
        statusShow(status, stored.errorText());
        return;
    }
    if (written < entries)
        statusPrint(status, "Romのリストは%d個で終わっているので、そこまで保存しました。", static_cast<int>(written));
}

void CSolid_Value::relocateLevelUpList()
{
    if (m_levelUpTableOffset == kNotConfigured)
        return;
    // A list that was not read would be copied as zeros.
    if (!m_levelUpLoaded) {
        statusShow(context().statusLine(), "技のリストを読み取れなかったので、移動できません。");
        return;
    }
    LevelUpRelocation relocation(*this);
    // The count edit starts empty: the current length is shown beside the list already.
    RelocationDialogHandler relocationDialog(context(), className(), kMonsterRelocation, {}, relocation);
    relocationDialog.run(dialog());
}

void CSolid_Value::levelUpListMoved(std::uint32_t address, std::int32_t count)
{
    m_levelUpOffsets[static_cast<std::size_t>(m_currentMonster)] = address;
    profileWriteString(context().programFile(kCacheFile), context().gameCode(), list::cacheKey(address),
                       std::to_string(count));
    if (IDialogControls* controls = this->controls())
        showLevelUpList(*controls);
}
