#include "pages/egg/EggMovePage.h"

#include "core/SelectionLists.h"
#include "core/TableBuffer.h"
#include "core/ui/DialogControls.h"
#include "core/ui/StatusLine.h"
#include "core/ui/WindowMessages.h"
#include "pages/egg/EggMoveDialog.h"
#include "pages/egg/EggMoveTable.h"

#include <string>
#include <vector>

using namespace egg_move_dialog;

namespace {

constexpr const char* kNoValueText = "正しい値を取得できませんでした。";
constexpr const char* kRawMarkerPrefix = "覚えるザルバト：";

// A combo's entry for a value; kNoItem for a value the combo does not list, so that the combo
// shows nothing rather than another value.
int comboEntry(const IDialogControls& controls, int comboId, std::size_t value)
{
    return value < static_cast<std::size_t>(controls.itemCount(comboId)) ? static_cast<int>(value)
                                                                           : IDialogControls::kNoItem;
}

// The combo's text for a value; a value it does not list shows as its number.
std::string comboText(const IDialogControls& controls, int comboId, std::size_t value)
{
    const int entry = comboEntry(controls, comboId, value);
    return entry == IDialogControls::kNoItem ? std::to_string(value) : controls.itemText(comboId, entry);
}

std::string monsterLine(const IDialogControls& controls, std::uint16_t marker, bool rawMode)
{
    const std::string monster = comboText(controls, kMonsterCombo, egg_table::monsterOf(marker));
    return rawMode ? kRawMarkerPrefix + monster : monster;
}

std::string rawLine(const IDialogControls& controls, std::uint16_t word)
{
    return egg_table::isMarker(word) ? monsterLine(controls, word, true) : comboText(controls, kMoveCombo, word);
}

void replaceLine(IDialogControls& controls, int listId, std::size_t line, const std::string& text)
{
    const int at = static_cast<int>(line);
    controls.deleteItem(listId, at);
    controls.insertItem(listId, at, text);
    controls.setSelection(listId, at);
}

} // namespace

void CTamago_Skill::InitDialog(WindowHandle)
{
    IDialogControls* controls = this->controls();
    if (!controls)
        return;
    controls->setChecked(kNormalMode, !m_rawMode);
    controls->setChecked(kRawMode, m_rawMode);
    // A tab shown again must not list its entries twice.
    for (int id : {kLineList, kMoveList, kMoveCombo, kMonsterCombo})
        controls->clearItems(id);
    const bool editable = hasTable();
    for (int id : kEditControls)
        controls->setEnabled(id, editable);
    if (!editable)
        return;

    const SharedTables& tables = context().tables();
    fillMoveNameList(*controls, kMoveCombo, tables);
    controls->setSelection(kMoveCombo, 0);
    fillMonsterList(*controls, kMonsterCombo, tables);
    controls->setSelection(kMonsterCombo, 0);

    const std::span<const std::uint8_t> table = m_words.records();
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < egg_table::wordCount(table); ++at) {
        const std::uint16_t word = egg_table::word(table, at);
        if (m_rawMode)
            lines.push_back(rawLine(*controls, word));
        else if (egg_table::isMarker(word))
            lines.push_back(monsterLine(*controls, word, false));
    }
    controls->addItems(kLineList, lines);
    if (m_currentLine >= lines.size())
        setCurrentLine(0);
    controls->setSelection(kLineList, static_cast<int>(m_currentLine));
    showRightList(*controls);
    showCurrentValues(*controls);
}

int CTamago_Skill::DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t)
{
    const auto command = window_message::asCommand(message, wParam);
    IDialogControls* controls = this->controls();
    if (!command || !controls)
        return 0;
    const auto [id, code] = *command;
    if (code == window_message::kListSelChange && id == kLineList) {
        selectLine(*controls);
        return 1;
    }
    if (code == window_message::kListSelChange && id == kMoveList) {
        selectMoveLine(*controls);
        return 1;
    }
    // Only a click: the frame's list message aims at id 1004 with a selection change.
    if (code != window_message::kButtonClicked)
        return 0;
    switch (id) {
    case kSetMove:
        setMove(*controls);
        return 1;
    case kSetMonster:
        setMonster(*controls);
        return 1;
    case kNormalMode:
    case kRawMode:
        changeMode(*controls, id);
        return 1;
    default:
        return 0;
    }
}

void CTamago_Skill::showRightList(IDialogControls& controls)
{
    const std::size_t lines = m_rawMode ? m_words.recordCount() : m_entries.size();
    if (m_currentLine >= lines)
        return;
    m_currentMoveLine = 0;
    controls.clearItems(kMoveList);
    controls.setEnabled(kMoveList, !m_rawMode);
    if (m_rawMode)
        return;
    std::vector<std::string> moves;
    for (std::uint16_t move : m_entries[m_currentLine].moves)
        moves.push_back(comboText(controls, kMoveCombo, move));
    controls.addItems(kMoveList, moves);
    controls.setSelection(kMoveList, 0);
}

void CTamago_Skill::showCurrentValues(IDialogControls& controls)
{
    const std::span<const std::uint8_t> table = m_words.records();
    if (m_rawMode) {
        if (m_currentLine >= m_words.recordCount())
            return;
        const std::uint16_t word = egg_table::word(table, m_currentLine);
        if (egg_table::isMarker(word))
            controls.setSelection(kMonsterCombo, comboEntry(controls, kMonsterCombo, egg_table::monsterOf(word)));
        else
            controls.setSelection(kMoveCombo, comboEntry(controls, kMoveCombo, word));
        return;
    }
    if (m_currentLine >= m_entries.size())
        return;
    const Skill_Struct_Data& entry = m_entries[m_currentLine];
    const std::uint16_t marker = egg_table::word(table, entry.markerPosition);
    controls.setSelection(kMonsterCombo, comboEntry(controls, kMonsterCombo, egg_table::monsterOf(marker)));
    if (!entry.moves.empty())
        controls.setSelection(kMoveCombo, comboEntry(controls, kMoveCombo, entry.moves.front()));
}

void CTamago_Skill::selectLine(IDialogControls& controls)
{
    const int selected = controls.selection(kLineList);
    if (selected == IDialogControls::kNoItem)
        return;
    setCurrentLine(static_cast<std::size_t>(selected));
    showRightList(controls);
    showCurrentValues(controls);
}

void CTamago_Skill::selectMoveLine(IDialogControls& controls)
{
    const int selected = controls.selection(kMoveList);
    if (selected == IDialogControls::kNoItem)
        return;
    m_currentMoveLine = static_cast<std::size_t>(selected);
    if (m_rawMode || m_currentLine >= m_entries.size())
        return;
    const std::vector<std::uint16_t>& moves = m_entries[m_currentLine].moves;
    if (m_currentMoveLine < moves.size())
        controls.setSelection(kMoveCombo, comboEntry(controls, kMoveCombo, moves[m_currentMoveLine]));
}

void CTamago_Skill::setMove(IDialogControls& controls)
{
    IStatusLine* status = context().statusLine();
    statusShow(status, "");
    const int move = controls.selection(kMoveCombo);
    if (move == IDialogControls::kNoItem || controls.selection(kLineList) == IDialogControls::kNoItem) {
        statusShow(status, kNoValueText);
        return;
    }
    const auto number = static_cast<std::uint16_t>(move);
    if (m_rawMode) {
        if (setWord(m_currentLine, number))
            replaceLine(controls, kLineList, m_currentLine, controls.itemText(kMoveCombo, move));
        return;
    }
    if (m_currentLine >= m_entries.size())
        return;
    std::vector<std::uint16_t>& moves = m_entries[m_currentLine].moves;
    if (m_currentMoveLine >= moves.size())
        return;
    moves[m_currentMoveLine] = number;
    replaceLine(controls, kMoveList, m_currentMoveLine, controls.itemText(kMoveCombo, move));
}

// Monster 0 is refused: its marker would be 20000, a move, and the next decode would give
// its moves to the monster before it.
void CTamago_Skill::setMonster(IDialogControls& controls)
{
    IStatusLine* status = context().statusLine();
    statusShow(status, "");
    const int monster = controls.selection(kMonsterCombo);
    if (monster <= 0 || controls.selection(kLineList) == IDialogControls::kNoItem) {
        statusShow(status, kNoValueText);
        return;
    }
    const auto marker = static_cast<std::uint16_t>(egg_table::kMarkerBase + monster);
    std::size_t word = m_currentLine;
    if (!m_rawMode) {
        if (m_currentLine >= m_entries.size())
            return;
        word = m_entries[m_currentLine].markerPosition;
    }
    if (setWord(word, marker))
        replaceLine(controls, kLineList, m_currentLine, monsterLine(controls, marker, m_rawMode));
}

void CTamago_Skill::changeMode(IDialogControls& controls, int button)
{
    bool changed = false;
    if (button == kNormalMode && controls.isChecked(kNormalMode) && m_rawMode) {
        if (!setRawMode(false))
            statusShow(context().statusLine(), kNoTableText);
        changed = true;
    } else if (button == kRawMode && controls.isChecked(kRawMode) && !m_rawMode) {
        changed = setRawMode(true);
    }
    // After a failed change too, so that the buttons show the mode the page is in.
    if (changed)
        InitDialog(nullptr);
}
