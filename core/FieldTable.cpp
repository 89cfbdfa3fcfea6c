#include "core/FieldTable.h"

#include "core/LittleEndian.h"
#include "core/NumberParsing.h"
#include "core/ui/DialogControls.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

bool liesInside(const RecordField& field, std::size_t recordSize)
{
    return field.width >= 1 && field.width <= 4 && little_endian::fits(recordSize, field.offset, field.width);
}

std::string hexText(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(value));
    return text;
}

std::int64_t typedValue(const IDialogControls& controls, const RecordField& field)
{
    const int id = field.controlId;
    switch (field.kind) {
    case FieldKind::Decimal:
        return parseDecimal(controls.text(id, field.textLimit));
    case FieldKind::Decimal16:
        return static_cast<std::uint16_t>(parseDecimal(controls.text(id, field.textLimit)));
    case FieldKind::Hex:
        return parseHex(controls.text(id, field.textLimit));
    case FieldKind::Selection:
        return controls.selection(id);
    case FieldKind::Check:
        return controls.isChecked(id) ? 1 : 0;
    }
    return 0;
}

} // namespace

void showFields(IDialogControls& controls, std::span<const RecordField> fields, std::span<const std::uint8_t> record)
{
    for (const RecordField& field : fields) {
        if (!liesInside(field, record.size()))
            continue;
        const std::uint32_t value = little_endian::detail::getN(record, field.offset, field.width);
        const int id = field.controlId;
        switch (field.kind) {
        case FieldKind::Decimal:
        case FieldKind::Decimal16:
            controls.setText(id, std::to_string(value));
            break;
        case FieldKind::Hex:
            controls.setText(id, hexText(value));
            break;
        case FieldKind::Selection:
            // Cleared outright: not every system clears the selection for an index beyond the list.
            controls.setSelection(id, value < static_cast<std::uint32_t>(controls.itemCount(id)) ? static_cast<int>(value)
                                                                                              : IDialogControls::kNoItem);
            break;
        case FieldKind::Check:
            controls.setChecked(id, value != 0);
            break;
        }
    }
}

void storeFields(FieldStore& store, std::span<const RecordField> fields, std::span<std::uint8_t> record)
{
    for (const RecordField& field : fields) {
        if (!liesInside(field, record.size()))
            continue;
        std::int64_t value = typedValue(store.controls(), field);
        const FieldRange& range = field.range;
        if (value < range.lowest || value > range.highest) {
            switch (field.outOfRange) {
            case OutOfRange::Fallback:
                value = store.checked(value, range);
                break;
            case OutOfRange::Clamp:
                value = std::clamp(value, range.lowest, range.highest);
                break;
            case OutOfRange::KeepReported:
                store.markFallback();
                continue;
            case OutOfRange::Keep:
                continue;
            }
        }
        little_endian::detail::setN(record, field.offset, field.width, static_cast<std::uint32_t>(value));
    }
}
