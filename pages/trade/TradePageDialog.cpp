#include "pages/trade/TradePage.h"

#include "core/FieldTable.h"
#include "core/NameList.h"
#include "core/NumberParsing.h"
#include "core/codec/GameCodec.h"
#include "core/ui/DialogControls.h"
#include "core/ui/StatusLine.h"
#include "core/ui/WindowMessages.h"
#include "pages/trade/TradeDialog.h"
#include "pages/trade/TradeRecord.h"
#include "pages/trade/TradeValues.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

using namespace trade_dialog;

namespace {

// Index = nature number (PV mod 25); the second name's blank belongs to it.
constexpr std::array<const char*, trade_values::kNatureCount> kNatureNames = {
    "がんばりや", "さみしがり ", "ゆうかん",   "いじっぱり", "やんちゃ",   "ずぶとい", "すなお",
    "のんき",     "わんぱく",    "のうてんき", "おくびょう", "せっかち",   "まじめ",   "ようき",
    "むじゃき",   "ひかえめ",    "おっとり",   "れいせい",   "てれや",     "うっかりや", "おだやか",
    "おとなしい", "なまいき",    "しんちょう", "きまぐれ"};

constexpr const char* kItemList = "item.ini";
constexpr const char* kFirstAbility = "特性1";
constexpr const char* kSecondAbility = "特性2";
// A name shows its field's first five bytes.
constexpr std::size_t kShownNameBytes = trade_record::kNameSize - 1;
constexpr unsigned kGenderValueLimit = 256;
constexpr const char* kHighestGenderValue = "255";

// An individual value keeps within 0 to 31, unreported.
constexpr RecordField individualValue(std::size_t i)
{
    return {kIndividualValues[i], trade_record::kIndividualValues + i, 1, FieldKind::Decimal,
            {0, trade_values::kHighestIndividualValue, 0}, OutOfRange::Clamp};
}

// A combo without a selection keeps its field, and the status line says so.
constexpr RecordField kFields[] = {
    {kOffered, trade_record::kOfferedMonster, 2, FieldKind::Selection, kAnyEntry, OutOfRange::KeepReported},
    {kWanted, trade_record::kWantedMonster, 2, FieldKind::Selection, kAnyEntry, OutOfRange::KeepReported},
    {kHeldItem, trade_record::kHeldItem, 2, FieldKind::Selection, kAnyEntry, OutOfRange::KeepReported},
    individualValue(0), individualValue(1), individualValue(2), individualValue(3), individualValue(4), individualValue(5)};

constexpr FieldCaption kCaptions[] = {
    {kOffered, "交換に出されるザルバト"}, {kWanted, "交換に出すザルバト"}, {kHeldItem, "持っている道具"}};

std::string shownName(std::span<const std::uint8_t> field)
{
    return gameCodec().decodeField(field.first(kShownNameBytes));
}

std::string formatted(const char* format, unsigned value)
{
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void showAbilityCaption(IDialogControls& controls)
{
    controls.setText(kAbility, controls.isChecked(kAbility) ? kSecondAbility : kFirstAbility);
}

} // namespace

void CTamblor_Communication_Change::InitDialog(WindowHandle)
{
    IDialogControls* controls = this->controls();
    if (!controls)
        return;
    // A tab shown again must not list its entries twice.
    for (int id : {kHeldItem, kOffered, kWanted, kNature, kTradeList})
        controls->clearItems(id);
    const bool editable = hasTable();
    for (int id : kAllControls)
        controls->setEnabled(id, editable);
    if (!editable)
        return;

    const std::vector<std::string> natures(kNatureNames.begin(), kNatureNames.end());
    controls->addItems(kNature, natures);
    controls->setSelection(kNature, 0);

    std::vector<std::string> items;
    if (!loadNameList(context().programDirectory(), kItemList, items))
        statusShow(context().statusLine(), nameListOpenFailedText(kItemList));
    controls->addItems(kHeldItem, items);
    controls->setSelection(kHeldItem, 0);

    const SharedTables& tables = context().tables();
    std::vector<std::string> monsters;
    for (std::size_t at = 0; at < tables.monsterNames.size(); at += SharedTables::kMonsterNameSize)
        monsters.push_back(shownName(std::span(tables.monsterNames).subspan(at, SharedTables::kMonsterNameSize)));
    for (int id : {kOffered, kWanted}) {
        controls->addItems(id, monsters);
        controls->setSelection(id, 0);
    }

    if (m_currentTrade >= recordCount())
        m_currentTrade = 0;
    showTradeList(*controls);
    loadWorkingValues();
    display(*controls, DisplayMode::Full);
}

int CTamblor_Communication_Change::DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t)
{
    const auto command = window_message::asCommand(message, wParam);
    IDialogControls* controls = this->controls();
    if (!command || !controls)
        return 0;
    const auto [id, code] = *command;
    if (id == kTradeList && code == window_message::kListSelChange) {
        selectTrade(*controls);
        return 1;
    }
    if (id == kNature && code == window_message::kComboSelChange) {
        chooseNature(*controls);
        return 1;
    }
    if (id == kGender && code == window_message::kEditUpdate) {
        typeGenderValue(*controls);
        return 1;
    }
    if (code != window_message::kButtonClicked)
        return 0;
    switch (id) {
    case kShiny:
        toggleShiny(*controls);
        return 1;
    case kAbility:
        showAbilityCaption(*controls);
        return 1;
    case kStoreParentName:
        storeNameField(*controls, kParentName, trade_record::kParentName);
        return 1;
    case kStoreNickname:
        storeNameField(*controls, kNickname, trade_record::kNickname);
        return 1;
    case kStore:
        storeTrade(*controls);
        return 1;
    default:
        return 0;
    }
}

void CTamblor_Communication_Change::loadWorkingValues()
{
    const std::span<const std::uint8_t> trade = record(m_currentTrade);
    if (trade.empty())
        return;
    m_workingParentId = trade_record::get16(trade, trade_record::kParentId);
    m_workingPersonality = trade_record::get32(trade, trade_record::kPersonality);
}

void CTamblor_Communication_Change::display(IDialogControls& controls, DisplayMode mode)
{
    const std::span<const std::uint8_t> trade = record(m_currentTrade);
    if (trade.empty())
        return;
    m_updating = true;
    if (mode == DisplayMode::Full)
        showFields(controls, kFields, trade);
    const std::uint32_t pv = m_workingPersonality;
    controls.setText(kPersonality, formatted("0x%08X", pv));
    if (mode != DisplayMode::NatureChosen)
        controls.setSelection(kNature, trade_values::nature(pv));
    if (mode != DisplayMode::GenderTyped)
        controls.setText(kGender, std::to_string(trade_values::genderValue(pv)));
    controls.setText(kParentId, formatted("0x%04X", m_workingParentId));
    controls.setChecked(kShiny, trade_values::isShiny(pv, m_workingParentId));
    controls.setText(kParentName, shownName(trade.subspan(trade_record::kParentName, trade_record::kNameSize)));
    controls.setText(kNickname, shownName(trade.subspan(trade_record::kNickname, trade_record::kNameSize)));
    controls.setChecked(kAbility, trade[trade_record::kAbilitySlot] == 1);
    showAbilityCaption(controls);
    m_updating = false;
}

void CTamblor_Communication_Change::showTradeList(IDialogControls& controls)
{
    controls.clearItems(kTradeList);
    std::vector<std::string> names;
    for (std::size_t i = 0; i < recordCount(); ++i)
        names.push_back(shownName(record(i).subspan(trade_record::kParentName, trade_record::kNameSize)));
    controls.addItems(kTradeList, names);
    controls.setSelection(kTradeList, static_cast<int>(m_currentTrade));
}

void CTamblor_Communication_Change::selectTrade(IDialogControls& controls)
{
    const int selected = controls.selection(kTradeList);
    if (selected == IDialogControls::kNoItem || static_cast<std::size_t>(selected) >= recordCount())
        return;
    m_currentTrade = static_cast<std::size_t>(selected);
    loadWorkingValues();
    display(controls, DisplayMode::Full);
}

void CTamblor_Communication_Change::chooseNature(IDialogControls& controls)
{
    const int nature = controls.selection(kNature);
    if (m_updating || nature == IDialogControls::kNoItem)
        return;
    m_workingPersonality = trade_values::withNature(m_workingPersonality, nature);
    display(controls, DisplayMode::NatureChosen);
}

// A negative number is refused like one of 256 or more: subtracted from the cleared low byte
// it would borrow into the nature's bits.
void CTamblor_Communication_Change::typeGenderValue(IDialogControls& controls)
{
    if (m_updating)
        return;
    const std::int32_t typed = parseDecimal(controls.text(kGender, kGenderInputLength));
    if (typed < 0 || static_cast<unsigned>(typed) >= kGenderValueLimit) {
        controls.setText(kGender, kHighestGenderValue);
        return;
    }
    m_workingPersonality = trade_values::withGenderValue(m_workingPersonality, static_cast<std::uint8_t>(typed));
    display(controls, DisplayMode::GenderTyped);
}

void CTamblor_Communication_Change::toggleShiny(IDialogControls& controls)
{
    m_workingParentId = controls.isChecked(kShiny) ? trade_values::shinyParentId(m_workingPersonality)
                                                   : trade_values::plainParentId(m_workingPersonality);
    display(controls, DisplayMode::ShinyToggled);
}

void CTamblor_Communication_Change::storeNameField(IDialogControls& controls, int editId, std::size_t fieldOffset)
{
    IStatusLine* status = context().statusLine();
    statusShow(status, "");
    std::span<std::uint8_t> trade = record(m_currentTrade);
    const std::span<std::uint8_t> field = trade.empty() ? trade : trade.subspan(fieldOffset, trade_record::kNameSize);
    if (storeName(controls, status, editId, kNameInputLength, field) == NameStoreResult::Empty)
        return;
    showTradeList(controls);
}

// The PV and the parent ID come from the working values, never from their edits. An ability
// byte other than 0 and 1 stays unless the check box asks for the second ability.
void CTamblor_Communication_Change::storeTrade(IDialogControls& controls)
{
    const std::span<std::uint8_t> trade = record(m_currentTrade);
    if (trade.empty())
        return;
    FieldStore store(controls, kCaptions);
    storeFields(store, kFields, trade);
    trade_record::set16(trade, trade_record::kParentId, m_workingParentId);
    trade_record::set32(trade, trade_record::kPersonality, m_workingPersonality);
    std::uint8_t& ability = trade[trade_record::kAbilitySlot];
    if (controls.isChecked(kAbility))
        ability = 1;
    else if (ability == 1)
        ability = 0;
    store.report(context().statusLine(), kZeroValueText);
}
