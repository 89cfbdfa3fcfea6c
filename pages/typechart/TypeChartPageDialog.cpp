#include "pages/typechart/TypeChartPage.h"

#include "core/FieldTable.h"
#include "core/SelectionLists.h"
#include "core/relocation/RelocationDialogHandler.h"
#include "core/ui/DialogControls.h"
#include "core/ui/WindowMessages.h"
#include "pages/typechart/TypeChartDialog.h"
#include "pages/typechart/TypeChartEntry.h"
#include "pages/typechart/TypeChartRelocation.h"

#include <array>
#include <iterator>
#include <string>
#include <vector>

using namespace type_chart_dialog;

namespace {

// A type the combo does not list leaves it without a selection, so that storing keeps it; the
// multiplier, whose entries stand for values of their own, follows by hand.
constexpr RecordField kFields[] = {
    {kAttacker, type_chart::kAttacker, 1, FieldKind::Selection, kAnyEntry, OutOfRange::Keep},
    {kDefender, type_chart::kDefender, 1, FieldKind::Selection, kAnyEntry, OutOfRange::Keep}};

// In the order of type_chart::kMultiplierValues.
constexpr std::array<const char*, 3> kMultiplierNames = {"無効", "半減", "2倍"};

// The multiplier combo's entry for a multiplier byte; kNoItem for a value it does not list.
int multiplierEntry(std::uint8_t value)
{
    for (std::size_t i = 0; i < std::size(type_chart::kMultiplierValues); ++i) {
        if (type_chart::kMultiplierValues[i] == value)
            return static_cast<int>(i);
    }
    return IDialogControls::kNoItem;
}

// The type combo's entry for a type byte; kNoItem for a type it does not list.
int typeEntry(const IDialogControls& controls, int comboId, std::uint8_t type)
{
    return type < controls.itemCount(comboId) ? type : IDialogControls::kNoItem;
}

// A value the combo does not list is shown as its number rather than as another value's name.
std::string typeName(const IDialogControls& controls, std::uint8_t type)
{
    const int shown = typeEntry(controls, kAttacker, type);
    return shown == IDialogControls::kNoItem ? std::to_string(type) : controls.itemText(kAttacker, shown);
}

std::string entryLine(const IDialogControls& controls, std::span<const std::uint8_t> entry)
{
    const std::uint8_t multiplier = entry[type_chart::kMultiplier];
    const int shown = multiplierEntry(multiplier);
    return typeName(controls, entry[type_chart::kAttacker]) + "\t" + typeName(controls, entry[type_chart::kDefender]) +
           "\t" + (shown == IDialogControls::kNoItem ? std::to_string(multiplier) : kMultiplierNames[shown]);
}

void showEntry(IDialogControls& controls, std::span<const std::uint8_t> entry)
{
    if (entry.empty())
        return;
    showFields(controls, kFields, entry);
    controls.setSelection(kMultiplier, multiplierEntry(entry[type_chart::kMultiplier]));
}

} // namespace

void CTamblor_Compatibility::InitDialog(WindowHandle)
{
    IDialogControls* controls = this->controls();
    if (!controls)
        return;
    const bool editable = entryCount() > 0;
    for (int id : kEditControls)
        controls->setEnabled(id, editable);
    for (int id : {kList, kAttacker, kDefender, kMultiplier})
        controls->clearItems(id);
    if (!editable)
        return;

    controls->setTabStops(kList, kListTabStops);
    for (int id : {kAttacker, kDefender}) {
        fillTypeNameList(*controls, id);
        controls->setSelection(id, 0);
    }
    for (const char* name : kMultiplierNames)
        controls->addItem(kMultiplier, name);
    controls->setSelection(kMultiplier, 0);

    std::vector<std::string> lines;
    for (std::size_t i = 0; i < entryCount(); ++i)
        lines.push_back(entryLine(*controls, entry(i)));
    controls->addItems(kList, lines);
    // A relocation may have left fewer entries than the one shown before.
    if (m_currentEntry >= entryCount())
        m_currentEntry = 0;
    controls->setSelection(kList, static_cast<int>(m_currentEntry));
    showEntry(*controls, entry(m_currentEntry));
}

int CTamblor_Compatibility::DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t)
{
    const auto command = window_message::asCommand(message, wParam);
    IDialogControls* controls = this->controls();
    if (!command || !controls)
        return 0;
    const auto [id, code] = *command;
    if (id == kList && code == window_message::kListSelChange) {
        selectEntry(*controls);
        return 1;
    }
    if (code != window_message::kButtonClicked)
        return 0;
    switch (id) {
    case kStore:
        storeEntry(*controls);
        return 1;
    case kRePoint:
        RePoint();
        return 1;
    default:
        return 0;
    }
}

void CTamblor_Compatibility::selectEntry(IDialogControls& controls)
{
    const int selected = controls.selection(kList);
    if (selected == IDialogControls::kNoItem || static_cast<std::size_t>(selected) >= entryCount())
        return;
    m_currentEntry = static_cast<std::size_t>(selected);
    showEntry(controls, entry(m_currentEntry));
}

// A combo without a selection leaves its byte as it is; the page reports nothing.
void CTamblor_Compatibility::storeEntry(IDialogControls& controls)
{
    const std::span<std::uint8_t> current = entry(m_currentEntry);
    if (current.empty())
        return;
    FieldStore store(controls);
    storeFields(store, kFields, current);
    const int multiplier = controls.selection(kMultiplier);
    if (multiplier >= 0 && static_cast<std::size_t>(multiplier) < std::size(type_chart::kMultiplierValues))
        current[type_chart::kMultiplier] = type_chart::kMultiplierValues[multiplier];

    const int line = static_cast<int>(m_currentEntry);
    controls.deleteItem(kList, line);
    controls.insertItem(kList, line, entryLine(controls, current));
    controls.setSelection(kList, line);
}

void CTamblor_Compatibility::RePoint()
{
    TypeChartRelocation relocation(*this);
    RelocationDialogHandler relocationDialog(context(), className(), kTypeChartRelocation,
                                             {std::to_string(entryCount())}, relocation);
    relocationDialog.run(dialog());
}
