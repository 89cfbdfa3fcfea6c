#include "core/FieldTable.h"

#include "core/LittleEndian.h"
#include "core/NumberParsing.h"
#include "core/ui/DialogControls.h"

#include <algorithm>
#include <string>

namespace {

std::int64_t typedValue(const FieldStore& store, const RecordField& field)
{
    const int id = field.controlId;
    switch (field.kind) {
    case FieldKind::Decimal:
        return store.decimal(id, field.textLimit);
    case FieldKind::Decimal16:
        return static_cast<std::uint16_t>(store.decimal(id, field.textLimit));
    case FieldKind::Hex:
        return store.hex(id, field.textLimit);
    case FieldKind::Selection:
        return store.controls().selection(id);
    case FieldKind::Check:
        return store.controls().isChecked(id) ? 1 : 0;
    }
    return 0;
}

} // namespace

void showFields(IDialogControls& controls, std::span<const RecordField> fields, std::span<const std::uint8_t> record)
{
    for (const RecordField& field : fields) {
        if (!little_endian::fits(record.size(), field.offset, field.width))
            continue;
        const std::uint32_t value = little_endian::detail::getN(record, field.offset, field.width);
        if (field.kind == FieldKind::Selection)
            selectListed(controls, field.controlId, value);
        else if (field.kind == FieldKind::Check)
            controls.setChecked(field.controlId, value != 0);
        else
            controls.setText(field.controlId, field.kind == FieldKind::Hex ? hexText(value) : std::to_string(value));
    }
}

void storeFields(FieldStore& store, std::span<const RecordField> fields, std::span<std::uint8_t> record)
{
    for (const RecordField& field : fields) {
        if (!little_endian::fits(record.size(), field.offset, field.width))
            continue;
        std::int64_t value = typedValue(store, field);
        const FieldRange& range = field.range;
        if (value < range.lowest || value > range.highest) {
            if (field.outOfRange == OutOfRange::KeepReported)
                store.markFallback();
            if (field.outOfRange == OutOfRange::Keep || field.outOfRange == OutOfRange::KeepReported)
                continue;
            value = field.outOfRange == OutOfRange::Clamp ? std::clamp(value, range.lowest, range.highest)
                                                          : store.checked(value, range);
        }
        little_endian::detail::setN(record, field.offset, field.width, static_cast<std::uint32_t>(value));
    }
}

void selectListed(IDialogControls& controls, int id, std::int64_t value)
{
    const bool listed = value >= 0 && value < controls.itemCount(id);
    controls.setSelection(id, listed ? static_cast<int>(value) : IDialogControls::kNoItem);
}
