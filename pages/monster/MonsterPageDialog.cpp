#include "pages/monster/MonsterPage.h"

#include "core/FieldTable.h"
#include "core/NameList.h"
#include "core/SelectionLists.h"
#include "core/codec/GameCodec.h"
#include "core/ui/DialogControls.h"
#include "core/ui/StatusLine.h"
#include "core/ui/WindowMessages.h"
#include "pages/monster/DexNumber.h"
#include "pages/monster/MonsterDialog.h"
#include "pages/monster/TmHmWindow.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

using namespace monster_dialog;
namespace stats = base_stats_record;

namespace {

const std::vector<std::string> kSlotNames = {"1", "2", "3", "4", "5"};
const std::vector<std::string> kMethodNames = {
    "進化無し", "懐き度220以上", "*1:午後",    "*1:午前",    "レベルアップ", "通信交換",  "*2:通信交換", "アイテム使って",
    "攻撃>防御", "攻撃=防御",    "攻撃<防御", "*3:が4以下", "*3:が5以上",   "*4:増殖", "*4:増殖2",    "*5:"};
const std::vector<std::string> kGrowthRateNames = {"100万", "60万", "164万", "105万", "80万", "125万"};
const std::vector<std::string> kEggGroupNames = {"不明",       "かいじゅう", "すいちゅう1", "むし",
                                                 "ひこう",     "りくじょう", "ようせい",    "しょくぶつ",
                                                 "ひとがた",   "すいちゅう3", "こうぶつ",   "ふていけい",
                                                 "すいちゅう2", "ウツシミ",  "ドラゴン",    "卵未発見"};
constexpr const char* kNoItemName = "無し";
constexpr const char* kAbilityFile = "tokusei.ini";

// The parameter controls that an evolution method uses.
struct MethodControls {
    bool level;
    bool item;
    bool target;
};

MethodControls controlsFor(std::uint8_t method)
{
    const bool level = method == 4 || (method >= 8 && method <= 14);
    const bool item = method == 6 || method == 7 || method == 15;
    return {level, item, method >= 1 && method <= 15};
}

std::string decimalText(long value)
{
    return std::to_string(value);
}

std::string numberedEntry(std::size_t number, const std::string& name)
{
    char prefix[8];
    std::snprintf(prefix, sizeof prefix, "%03d:", static_cast<int>(number));
    return prefix + name;
}

void fill(IDialogControls& controls, int id, const std::vector<std::string>& entries)
{
    controls.clearItems(id);
    controls.addItems(id, entries);
}

// A number edit: the typed number as an unsigned 16-bit value, 255 in place of anything above.
constexpr RecordField byteEdit(int id, std::size_t offset)
{
    return {id, offset, 1, FieldKind::Decimal16, {0, 255, 255}, OutOfRange::Fallback, kNumberInputLength};
}

// A selection of 240 or more (no selection too) stores 0.
constexpr RecordField byteCombo(int id, std::size_t offset)
{
    return {id, offset, 1, FieldKind::Selection, {0, 239, 0}};
}

// An item of 1000 or more (no selection too) stores 0.
constexpr RecordField itemCombo(int id, std::size_t offset)
{
    return {id, offset, 2, FieldKind::Selection, {0, 999, 0}};
}

// The base stats shown and stored as they stand; the total, the egg steps, the flee rate and
// the effort yields follow by hand.
constexpr RecordField kFields[] = {
    byteEdit(kHp, stats::kHp),
    byteEdit(kAttack, stats::kAttack),
    byteEdit(kDefence, stats::kDefence),
    byteEdit(kSpeed, stats::kSpeed),
    byteEdit(kSpecialAttack, stats::kSpecialAttack),
    byteEdit(kSpecialDefence, stats::kSpecialDefence),
    byteEdit(kGender, stats::kGender),
    byteEdit(kCatchRate, stats::kCatchRate),
    byteEdit(kBaseExperience, stats::kBaseExperience),
    byteEdit(kFriendship, stats::kFriendship),
    itemCombo(kCommonItem, stats::kCommonItem),
    itemCombo(kRareItem, stats::kRareItem),
    byteCombo(kGrowthRate, stats::kGrowthRate),
    byteCombo(kEggGroup1, stats::kEggGroup1),
    byteCombo(kEggGroup2, stats::kEggGroup2),
    byteCombo(kType1, stats::kType1),
    byteCombo(kType2, stats::kType2),
    byteCombo(kAbility1, stats::kAbility1),
    byteCombo(kAbility2, stats::kAbility2)};

// What the store's message calls a field that took a fallback: its caption in the dialog.
constexpr FieldCaption kCaptions[] = {
    {kHp, "体力"},
    {kAttack, "攻撃"},
    {kDefence, "防御"},
    {kSpeed, "速さ"},
    {kSpecialAttack, "特攻"},
    {kSpecialDefence, "特防"},
    {kGender, "性別判定"},
    {kCatchRate, "被捕獲率"},
    {kBaseExperience, "基礎経験値"},
    {kFriendship, "初期なつき度"},
    {kCommonItem, "ときどき(50%)"},
    {kRareItem, "たまに(5%)"},
    {kGrowthRate, "経験値タイプ"},
    {kEggGroup1, "タマゴグループ1"},
    {kEggGroup2, "タマゴグループ2"},
    {kType1, "タイプ1"},
    {kType2, "タイプ2"},
    {kAbility1, "特性"},
    {kAbility2, "特性2"},
    {kEffortEdits[0], "努力値の体力"},
    {kEffortEdits[1], "努力値の攻撃"},
    {kEffortEdits[2], "努力値の防御"},
    {kEffortEdits[3], "努力値の速さ"},
    {kEffortEdits[4], "努力値の特攻"},
    {kEffortEdits[5], "努力値の特防"},
    {kEvolutionMethod, "進化タイプ"},
    {kEvolutionLevel, "レベル"},
    {kEvolutionItem, "アイテム"},
    {kEvolutionTarget, "進化後"}};

void showTotal(IDialogControls& controls, stats::ConstRecord record)
{
    int total = 0;
    for (std::size_t i = 0; i < std::size(kStatEdits); ++i)
        total += record[stats::kHp + i];
    controls.setText(kTotal, decimalText(total));
}

} // namespace

bool CSolid_Value::isFireRed() const
{
    const std::string& code = context().gameCode();
    return code.find("BPRJ") != std::string::npos || code.find("BPGJ") != std::string::npos;
}

void CSolid_Value::InitDialog(WindowHandle)
{
    IDialogControls* controls = this->controls();
    if (!controls)
        return;
    const bool editable = m_baseStatsOffset != kNotConfigured;
    for (int id : kMonsterControls)
        controls->setEnabled(id, editable);
    // A table that is not configured lies at no offset: its controls never act on the ROM.
    for (int id : kDexControls)
        controls->setEnabled(id, editable && m_dexOffset != kNotConfigured);
    for (int id : kLevelUpControls)
        controls->setEnabled(id, editable && m_levelUpTableOffset != kNotConfigured);
    controls->setEnabled(kFleeRate, editable && isFireRed());
    if (!editable)
        return;
    fillLists(*controls);
    controls->setSelection(kMonster, m_currentMonster);
    showMonster(*controls);
}

void CSolid_Value::fillLists(IDialogControls& controls)
{
    const SharedTables& tables = context().tables();
    std::vector<std::string> monsters;
    for (std::size_t monster = 0; monster < kMonsterCount; ++monster)
        monsters.push_back(monsterListEntry(tables, monster));
    fill(controls, kMonster, monsters);
    fill(controls, kEvolutionTarget, monsters);

    std::vector<std::string> dexEntries;
    for (std::size_t number = 0; number < dex_record::kCount; ++number)
        dexEntries.push_back(numberedEntry(number, gameCodec().decodeField(m_dex[number].category)));
    fill(controls, kDex, dexEntries);

    std::vector<std::string> items = itemNames(tables);
    items.insert(items.begin(), kNoItemName);
    for (int id : {kCommonItem, kRareItem, kEvolutionItem})
        fill(controls, id, items);

    std::vector<std::string> abilities;
    if (!loadNameList(context().programDirectory(), kAbilityFile, abilities))
        statusShow(context().statusLine(), nameListOpenFailedText(kAbilityFile));
    fill(controls, kAbility1, abilities);
    fill(controls, kAbility2, abilities);

    for (int id : {kType1, kType2}) {
        controls.clearItems(id);
        fillTypeNameList(controls, id);
    }
    fill(controls, kEvolutionSlot, kSlotNames);
    fill(controls, kEvolutionMethod, kMethodNames);
    fill(controls, kGrowthRate, kGrowthRateNames);
    fill(controls, kEggGroup1, kEggGroupNames);
    fill(controls, kEggGroup2, kEggGroupNames);
    controls.clearItems(kLevelMove);
    fillMoveNameList(controls, kLevelMove, tables);
    for (int id : {kMonster, kEvolutionTarget, kDex, kCommonItem, kRareItem, kEvolutionItem, kLevelMove, kAbility1,
                   kAbility2})
        controls.setDroppedHeight(id, kLongListDropHeight);
}

int CSolid_Value::DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t)
{
    const auto command = window_message::asCommand(message, wParam);
    IDialogControls* controls = this->controls();
    if (!command || !controls)
        return 0;
    const auto [id, code] = *command;
    if (code == window_message::kComboSelChange) {
        switch (id) {
        case kMonster:
            if (const int selected = controls->selection(kMonster);
                selected >= 0 && static_cast<std::size_t>(selected) < kMonsterCount) {
                statusShow(context().statusLine(), "");
                m_currentMonster = selected;
                showMonster(*controls);
            }
            return 1;
        case kDex: {
            const int selected = controls->selection(kDex);
            showDexEntry(*controls, selected >= 0 && selected < static_cast<int>(dex_record::kCount) ? selected : 0);
            return 1;
        }
        case kEvolutionSlot: {
            const int selected = controls->selection(kEvolutionSlot);
            showEvolutionSlot(*controls,
                              selected >= 0 && selected < static_cast<int>(evolution_record::kSlotCount) ? selected : 0);
            return 1;
        }
        case kEvolutionMethod:
            storeMethod(*controls);
            return 1;
        case kLevelList:
            selectLevelUpLine(*controls);
            return 1;
        default:
            return 0;
        }
    }
    if (code != window_message::kButtonClicked)
        return 0;
    switch (id) {
    case kStoreName:
        storeName(*controls);
        return 1;
    case kStoreCategory:
        storeCategory(*controls);
        return 1;
    case kStoreDex:
        storeHeightAndWeight(*controls);
        return 1;
    case kSaveDescription:
        saveDescription(*controls);
        return 1;
    case kStoreRecord:
        storeRecord(*controls);
        return 1;
    case kLevelStore:
        storeLevelUpEntry(*controls);
        return 1;
    case kLevelUp:
        swapLevelUpEntries(*controls, true);
        return 1;
    case kLevelDown:
        swapLevelUpEntries(*controls, false);
        return 1;
    case kLevelSave:
        saveLevelUpList();
        return 1;
    case kLevelRelocate:
        relocateLevelUpList();
        return 1;
    case kTmHm:
        showTmHmWindow();
        return 1;
    default:
        return 0;
    }
}

void CSolid_Value::showMonster(IDialogControls& controls)
{
    if (m_currentMonster < 0 || static_cast<std::size_t>(m_currentMonster) >= kMonsterCount)
        return;
    const auto monster = static_cast<std::size_t>(m_currentMonster);
    const stats::ConstRecord record = baseStats(monster);
    showFields(controls, kFields, record);
    showTotal(controls, record);
    controls.setText(kEggSteps, decimalText(record[stats::kEggCycles] * 256L));
    if (isFireRed())
        controls.setText(kFleeRate, decimalText(record[stats::kFleeRate]));

    if (m_levelUpTableOffset != kNotConfigured) {
        m_rescan = false;
        showLevelUpList(controls);
    }
    if (m_tmHmWindow)
        m_tmHmWindow->Load(m_currentMonster);
    if (m_dexOffset != kNotConfigured) {
        const std::size_t dexNumber = dex_number::forMonster(monster);
        controls.setSelection(kDex, static_cast<int>(dexNumber));
        showDexEntry(controls, dexNumber);
    }
    const stats::EffortYield effort = stats::effortYield(record);
    for (std::size_t i = 0; i < effort.size(); ++i)
        controls.setText(kEffortEdits[i], decimalText(effort[i]));
    controls.setSelection(kEvolutionSlot, 0);
    showEvolutionSlot(controls, 0);
}

void CSolid_Value::showEvolutionSlot(IDialogControls& controls, std::size_t slot)
{
    const EvolutionEntry& entry = m_evolutions[static_cast<std::size_t>(m_currentMonster)];
    const std::uint8_t method = entry.methods[slot];
    controls.setSelection(kEvolutionMethod, method);
    const MethodControls uses = controlsFor(method);
    controls.setEnabled(kEvolutionLevel, uses.level);
    controls.setEnabled(kEvolutionItem, uses.item);
    controls.setEnabled(kEvolutionTarget, uses.target);
    // A control the method does not use shows nothing rather than another slot's value.
    controls.setText(kEvolutionLevel, uses.level ? decimalText(entry.parameters[slot]) : std::string());
    controls.setSelection(kEvolutionItem, uses.item ? entry.parameters[slot] : IDialogControls::kNoItem);
    controls.setSelection(kEvolutionTarget, entry.targets[slot]);
}

std::size_t CSolid_Value::selectedSlot(const IDialogControls& controls)
{
    const int slot = controls.selection(kEvolutionSlot);
    return slot >= 0 && slot < static_cast<int>(evolution_record::kSlotCount) ? static_cast<std::size_t>(slot) : 0;
}

// The method takes effect at once so that the parameter controls follow it.
void CSolid_Value::storeMethod(IDialogControls& controls)
{
    const int method = controls.selection(kEvolutionMethod);
    if (method < 0)
        return;
    const std::size_t slot = selectedSlot(controls);
    m_evolutions[static_cast<std::size_t>(m_currentMonster)].methods[slot] = static_cast<std::uint8_t>(method);
    showEvolutionSlot(controls, slot);
}

void CSolid_Value::storeName(IDialogControls& controls)
{
    IStatusLine* status = context().statusLine();
    statusShow(status, "");
    const auto monster = static_cast<std::size_t>(m_currentMonster);
    const NameStoreResult result = ::storeName(controls, status, kName, kNameInputLength, name(monster));
    if (result == NameStoreResult::Empty || result == NameStoreResult::NoField)
        return;
    const std::string entry = monsterListEntry(context().tables(), monster);
    const int line = static_cast<int>(monster);
    const int target = controls.selection(kEvolutionTarget);
    for (int id : {kMonster, kEvolutionTarget}) {
        controls.deleteItem(id, line);
        controls.insertItem(id, line, entry);
    }
    controls.setSelection(kMonster, line);
    controls.setSelection(kEvolutionTarget, target);
}

void CSolid_Value::storeRecord(IDialogControls& controls)
{
    const stats::Record record = baseStats(static_cast<std::size_t>(m_currentMonster));
    FieldStore store(controls, kCaptions);
    storeFields(store, kFields, record);
    showTotal(controls, record);
    const auto steps = static_cast<std::uint16_t>(store.decimal(kEggSteps, kNumberInputLength));
    record[stats::kEggCycles] = static_cast<std::uint8_t>(steps / 256);
    if (isFireRed())
        record[stats::kFleeRate] = static_cast<std::uint8_t>(store.decimal(kFleeRate, kNumberInputLength));
    stats::EffortYield effort{};
    for (std::size_t i = 0; i < effort.size(); ++i)
        effort[i] = static_cast<std::uint8_t>(store.decimal(kEffortEdits[i], kNumberInputLength, {0, 3, 3}));
    stats::setEffortYield(record, effort);
    storeEvolution(controls, store);
    store.report(context().statusLine(), kSuitableValueText);
}

void CSolid_Value::storeEvolution(IDialogControls& controls, FieldStore& store)
{
    EvolutionEntry& entry = m_evolutions[static_cast<std::size_t>(m_currentMonster)];
    const std::size_t slot = selectedSlot(controls);
    const auto method = static_cast<std::uint8_t>(store.selection(kEvolutionMethod, {0, 239, 0}));
    entry.methods[slot] = method;
    const MethodControls uses = controlsFor(method);
    if (!uses.target)
        return;
    if (uses.level) {
        const auto level = static_cast<std::uint16_t>(store.decimal(kEvolutionLevel, kNumberInputLength));
        entry.parameters[slot] =
            static_cast<std::uint16_t>(store.checked(kEvolutionLevel, FieldKind::Decimal, level, {0, 254, 254}));
    } else if (uses.item) {
        entry.parameters[slot] = static_cast<std::uint16_t>(store.selection(kEvolutionItem, {0, 999, 0}));
    } else {
        entry.parameters[slot] = 0;
    }
    entry.targets[slot] = static_cast<std::uint16_t>(store.selection(kEvolutionTarget, {0, 999, 0}));
}

void CSolid_Value::showTmHmWindow()
{
    if (!m_tmHmWindow)
        m_tmHmWindow = TmHmWindow::create(context(), *this);
    if (m_tmHmWindow)
        m_tmHmWindow->show();
}
