#include "pages/other/OtherPage.h"

#include "core/FieldStore.h"
#include "core/SelectionLists.h"
#include "core/codec/GameCodec.h"
#include "core/ui/DialogControls.h"
#include "core/ui/StatusLine.h"
#include "core/ui/WindowMessages.h"
#include "pages/other/OtherDialog.h"
#include "pages/other/OtherTables.h"

#include <array>
#include <span>
#include <vector>

using namespace other_dialog;

namespace {

// A selector shows a name without its field's last byte.
std::string shownName(std::span<const std::uint8_t> field)
{
    return gameCodec().decodeField(field.first(field.size() - 1));
}

// The name field behind a selector entry; empty when the entry is not in the table.
std::span<std::uint8_t> nameField(std::span<std::uint8_t> table, std::size_t fieldSize, int entry)
{
    if (entry < 0 || static_cast<std::size_t>(entry) >= table.size() / fieldSize)
        return {};
    return table.subspan(static_cast<std::size_t>(entry) * fieldSize, fieldSize);
}

// Encodes the edit's text into the field, keeping the old name when it cannot be encoded,
// and shows the name the field then holds in the selector.
void storeNameAndShow(IStatusLine* status, IDialogControls& controls, int editId, int selectorId,
                      std::span<std::uint8_t> field, int entry)
{
    statusShow(status, "");
    const NameStoreResult result = storeName(controls, status, editId, kNameInputLength, field);
    if (result == NameStoreResult::Empty || result == NameStoreResult::NoField)
        return;
    controls.deleteItem(selectorId, entry);
    controls.insertItem(selectorId, entry, shownName(field));
    controls.setSelection(selectorId, entry);
}

} // namespace

void COmake::InitDialog(WindowHandle)
{
    IDialogControls* controls = this->controls();
    if (!controls)
        return;
    SharedTables& tables = context().tables();
    // The move names and starters need the class table too: without it nothing is editable.
    const bool editable = !tables.trainerClassNames.empty();
    for (int id : kAllControls)
        controls->setEnabled(id, editable);
    if (!editable)
        return;

    for (int id : kStarterCombos)
        controls->clearItems(id);
    controls->clearItems(kClassSelector);
    const std::span<const std::uint8_t> classNames(tables.trainerClassNames);
    std::vector<std::string> shownClasses;
    for (std::size_t at = 0; at + other_tables::kClassNameSize <= classNames.size(); at += other_tables::kClassNameSize)
        shownClasses.push_back(shownName(classNames.subspan(at, other_tables::kClassNameSize)));
    controls->addItems(kClassSelector, shownClasses);
    controls->setDroppedHeight(kClassSelector, kSelectorDropHeight);
    controls->setSelection(kClassSelector, 0);
    m_currentClass = 0;

    for (int id : kStarterCombos)
        fillMonsterList(*controls, id, tables);

    // The move selector lists moves from 1: the move name list without its first entry.
    controls->clearItems(kMoveSelector);
    fillMoveNameList(*controls, kMoveSelector, tables);
    controls->deleteItem(kMoveSelector, 0);
    controls->setDroppedHeight(kMoveSelector, kSelectorDropHeight);
    controls->setSelection(kMoveSelector, 0);
    m_currentMove = 0;

    for (std::size_t i = 0; i < kStarterCount; ++i)
        controls->setSelection(kStarterCombos[i], m_starters[i]);
}

int COmake::DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t)
{
    const auto command = window_message::asCommand(message, wParam);
    IDialogControls* controls = this->controls();
    if (!command || !controls)
        return 0;
    const auto [id, code] = *command;
    if (code == window_message::kComboSelChange) {
        m_currentClass = controls->selection(kClassSelector);
        m_currentMove = controls->selection(kMoveSelector);
        return 1;
    }
    if (code != window_message::kButtonClicked)
        return 0;
    switch (id) {
    case kStoreClassName:
        storeClassName(*controls);
        return 1;
    case kStoreMoveName:
        storeMoveName(*controls);
        return 1;
    case kStoreStarters:
        storeStarters(*controls);
        return 1;
    default:
        return 0;
    }
}

void COmake::storeClassName(IDialogControls& controls)
{
    std::vector<std::uint8_t>& table = context().tables().trainerClassNames;
    storeNameAndShow(context().statusLine(), controls, kClassNameEdit, kClassSelector,
              nameField(table, other_tables::kClassNameSize, m_currentClass), m_currentClass);
}

void COmake::storeMoveName(IDialogControls& controls)
{
    auto& table = context().tables().moveNames;
    storeNameAndShow(context().statusLine(), controls, kMoveNameEdit, kMoveSelector,
              nameField(table, SharedTables::kMoveNameSize, m_currentMove), m_currentMove);
}

// The values reach the ROM with the next save.
void COmake::storeStarters(IDialogControls& controls)
{
    for (std::size_t i = 0; i < kStarterCount; ++i) {
        const int selected = controls.selection(kStarterCombos[i]);
        if (selected != IDialogControls::kNoItem)
            m_starters[i] = static_cast<std::uint16_t>(selected);
    }
}
