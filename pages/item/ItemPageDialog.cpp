#include "pages/item/ItemPage.h"

#include "core/FieldTable.h"
#include "core/GameFamily.h"
#include "core/NumberParsing.h"
#include "core/SelectionLists.h"
#include "core/ui/DialogControls.h"
#include "core/ui/StatusLine.h"
#include "core/ui/WindowMessages.h"
#include "pages/item/ItemDialog.h"
#include "pages/item/ItemRecord.h"

#include <array>
#include <string>

using namespace item_dialog;

namespace {

// Entry n is battle usage type n.
const std::array<std::string, 3> kBattleUsageNames = {"無し", "アイテム", "ボール"};
// Entry n is pocket n + 1; the two families order their bag differently.
const std::array<std::string, 5> kFireRedPockets = {"アイテム", "重要なアイテム", "ボール", "技&秘伝マシン",
                                                    "木の実"};
const std::array<std::string, 5> kOtherPockets = {"アイテム", "ボール", "技&秘伝マシン", "木の実",
                                                  "重要なアイテム"};

// The fields shown and stored as they stand; the pocket (entry n is pocket n + 1) and the
// description, shown only, follow by hand.
constexpr RecordField kFields[] = {
    {kBattleUsage, item_record::kBattleUsage, 1, FieldKind::Selection, kAnyEntry, OutOfRange::Keep},
    {kPrice, item_record::kPrice, 2, FieldKind::Decimal},
    {kParameter, item_record::kParameter, 1, FieldKind::Decimal}};

} // namespace

void CItem_Edit::InitDialog(WindowHandle)
{
    IDialogControls* controls = this->controls();
    if (!controls)
        return;
    const bool editable = m_items.hasRecords();
    for (int id : kAllControls)
        controls->setEnabled(id, editable);
    for (int id : {kSelector, kBattleUsage, kPocket})
        controls->clearItems(id);
    if (!editable)
        return;

    controls->addItems(kBattleUsage, kBattleUsageNames);
    controls->addItems(kPocket, gameFamilyOf(context().gameCode()) == kFamilyFR ? kFireRedPockets : kOtherPockets);
    controls->addItems(kSelector, itemNames(context().tables()));
    if (m_currentItem >= m_items.recordCount())
        m_currentItem = 0;
    controls->setSelection(kSelector, static_cast<int>(m_currentItem));
    showItem(*controls);
}

int CItem_Edit::DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t)
{
    const auto command = window_message::asCommand(message, wParam);
    IDialogControls* controls = this->controls();
    if (!command || !controls || !m_items.hasRecords())
        return 0;
    const auto [id, code] = *command;
    if (id == kSelector && code == window_message::kComboSelChange) {
        selectItem(*controls);
        return 1;
    }
    if (id == kStore && code == window_message::kButtonClicked) {
        storeItem(*controls);
        return 1;
    }
    return 0;
}

void CItem_Edit::selectItem(IDialogControls& controls)
{
    const int selected = controls.selection(kSelector);
    if (selected == IDialogControls::kNoItem || static_cast<std::size_t>(selected) >= m_items.recordCount())
        return;
    m_currentItem = static_cast<std::size_t>(selected);
    showItem(controls);
}

void CItem_Edit::showItem(IDialogControls& controls)
{
    const std::span<const std::uint8_t> current = record(m_currentItem);
    if (current.empty())
        return;
    showFields(controls, kFields, current);
    selectListed(controls, kPocket, current[item_record::kPocket] - 1);
    controls.setText(kDescription, hexText(item_record::descriptionOffset(current)));
}

// A combo without a selection leaves its byte as it is: a pocket or usage type the list
// cannot show is kept.
void CItem_Edit::storeItem(IDialogControls& controls)
{
    const std::span<std::uint8_t> current = record(m_currentItem);
    if (current.empty())
        return;
    FieldStore store(controls);
    storeFields(store, kFields, current);
    if (const int pocket = controls.selection(kPocket); pocket != IDialogControls::kNoItem)
        current[item_record::kPocket] = static_cast<std::uint8_t>(pocket + 1);
    statusShow(context().statusLine(), kStoredText);
}
