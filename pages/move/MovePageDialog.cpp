#include "pages/move/MovePage.h"

#include "core/FieldStore.h"
#include "core/NameList.h"
#include "core/SelectionLists.h"
#include "core/ui/DialogControls.h"
#include "core/ui/StatusLine.h"
#include "core/ui/WindowMessages.h"
#include "pages/move/MoveDialog.h"

#include <climits>
#include <string>
#include <vector>

using namespace move_dialog;

namespace {

// The record's number edits and the bytes they show; the raw bytes follow separately.
struct NumberField {
    int editId;
    std::size_t offset;
};
constexpr NumberField kNumberFields[] = {{kPower, move_record::kPower},
                                         {kAccuracy, move_record::kAccuracy},
                                         {kPp, move_record::kPp},
                                         {kEffectChance, move_record::kEffectChance}};

// A byte beyond the list shows no selection. The selection is cleared outright: not every
// system clears it for an index beyond the list.
void selectByte(IDialogControls& controls, int comboId, std::uint8_t value)
{
    controls.setSelection(comboId, value < controls.itemCount(comboId) ? value : IDialogControls::kNoItem);
}

std::uint8_t lowByte(std::int64_t value)
{
    return static_cast<std::uint8_t>(value & 0xFF);
}

} // namespace

void CAttack_Edit::InitDialog(WindowHandle)
{
    IDialogControls* controls = this->controls();
    if (!controls)
        return;
    for (int id : kAllControls)
        controls->setEnabled(id, m_loaded);
    for (int id : {kSelector, kEffect, kType})
        controls->clearItems(id);
    if (!m_loaded)
        return;

    fillMoveNameList(*controls, kSelector, context().tables());
    std::vector<std::string> effects;
    if (!loadNameList(context().programDirectory(), kEffectListFile, effects))
        statusShow(context().statusLine(), nameListOpenFailedText(kEffectListFile));
    controls->addItems(kEffect, effects);
    controls->setSelection(kSelector, static_cast<int>(m_currentMove));
    fillTypeNameList(*controls, kType);
    showRecord(*controls);
}

int CAttack_Edit::DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t)
{
    const auto command = window_message::asCommand(message, wParam);
    IDialogControls* controls = this->controls();
    if (!command || !controls || !m_loaded)
        return 0;
    const auto [id, code] = *command;
    if (id == kSelector && code == window_message::kComboSelChange) {
        selectMove(*controls);
        return 1;
    }
    if (id == kStore && code == window_message::kButtonClicked) {
        storeRecord(*controls);
        return 1;
    }
    return 0;
}

void CAttack_Edit::selectMove(IDialogControls& controls)
{
    const int selected = controls.selection(kSelector);
    if (selected == IDialogControls::kNoItem || static_cast<std::size_t>(selected) >= move_record::kCount)
        return;
    m_currentMove = static_cast<std::size_t>(selected);
    showRecord(controls);
}

void CAttack_Edit::showRecord(IDialogControls& controls) const
{
    const std::span<const std::uint8_t> current = record(m_currentMove);
    selectByte(controls, kEffect, current[move_record::kEffect]);
    selectByte(controls, kType, current[move_record::kType]);
    for (const NumberField& field : kNumberFields)
        controls.setText(field.editId, std::to_string(current[field.offset]));
    for (std::size_t i = 0; i < move_record::kRawByteCount; ++i)
        controls.setText(kRawByteEdits[i], std::to_string(current[move_record::kRawBytes + i]));
}

// Numbers keep their low 8 bits, unchecked. A type the list cannot show stays as it is; an
// effect without a selection becomes 0, and the status line says so.
void CAttack_Edit::storeRecord(IDialogControls& controls)
{
    const std::span<std::uint8_t> current = record(m_currentMove);
    FieldStore store(controls);
    current[move_record::kEffect] = lowByte(store.selection(kEffect, {0, INT_MAX, 0}));
    if (const int type = controls.selection(kType); type != IDialogControls::kNoItem)
        current[move_record::kType] = lowByte(type);
    for (const NumberField& field : kNumberFields)
        current[field.offset] = lowByte(store.decimal(field.editId, kNumberInputLength));
    if (controls.isChecked(kStoreRawBytes)) {
        for (std::size_t i = 0; i < move_record::kRawByteCount; ++i)
            current[move_record::kRawBytes + i] = lowByte(store.decimal(kRawByteEdits[i], kNumberInputLength));
    }
    store.report(context().statusLine(), kZeroValueText);
}
