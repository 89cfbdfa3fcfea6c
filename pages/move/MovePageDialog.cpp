#include "pages/move/MovePage.h"

#include "core/FieldTable.h"
#include "core/NameList.h"
#include "core/SelectionLists.h"
#include "core/ui/DialogControls.h"
#include "core/ui/StatusLine.h"
#include "core/ui/WindowMessages.h"
#include "pages/move/MoveDialog.h"

#include <string>
#include <vector>

using namespace move_dialog;

namespace {

// Numbers keep their low 8 bits, unchecked. A type the list cannot show stays as it is; an
// effect without a selection becomes 0, and the status line says so.
constexpr RecordField kFields[] = {
    {kEffect, move_record::kEffect, 1, FieldKind::Selection, kAnyEntry},
    {kType, move_record::kType, 1, FieldKind::Selection, kAnyEntry, OutOfRange::Keep},
    {kPower, move_record::kPower, 1, FieldKind::Decimal},
    {kAccuracy, move_record::kAccuracy, 1, FieldKind::Decimal},
    {kPp, move_record::kPp, 1, FieldKind::Decimal},
    {kEffectChance, move_record::kEffectChance, 1, FieldKind::Decimal}};
constexpr FieldCaption kCaptions[] = {{kEffect, "技タイプ"}};
constexpr RecordField rawByte(std::size_t i)
{
    return {kRawByteEdits[i], move_record::kRawBytes + i, 1, FieldKind::Decimal};
}
// Stored only while their check box is checked.
constexpr RecordField kRawFields[] = {rawByte(0), rawByte(1), rawByte(2), rawByte(3), rawByte(4), rawByte(5)};

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
    showFields(controls, kFields, current);
    showFields(controls, kRawFields, current);
}

void CAttack_Edit::storeRecord(IDialogControls& controls)
{
    const std::span<std::uint8_t> current = record(m_currentMove);
    FieldStore store(controls, kCaptions);
    storeFields(store, kFields, current);
    if (controls.isChecked(kStoreRawBytes))
        storeFields(store, kRawFields, current);
    store.report(context().statusLine(), kZeroValueText);
}
