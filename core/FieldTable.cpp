#include "core/FieldTable.h"

#include "core/LittleEndian.h"
#include "core/NumberParsing.h"
#include "core/ui/DialogControls.h"

#include <algorithm>
#include <optional>
#include <string>

namespace {

// The number typed, before any field's width or range applies to it.
std::int64_t typedValue(const FieldStore& store, const RecordField& field)
{
    const int id = field.controlId;
    switch (field.kind) {
    case FieldKind::Decimal:
    case FieldKind::Decimal16:
        return store.decimal(id, field.textLimit);
    case FieldKind::Hex:
        return store.hex(id, field.textLimit);
    case FieldKind::Selection:
        return store.controls().selection(id);
    case FieldKind::Check:
        return store.controls().isChecked(id) ? 1 : 0;
    }
    return 0;
}

// The value a field stores, or none when it keeps its bytes; a reported one marks the store.
std::optional<std::int64_t> storedValue(FieldStore& store, const RecordField& field, std::int64_t value)
{
    const FieldRange& range = field.range;
    if (value >= range.lowest && value <= range.highest)
        return value;
    switch (field.outOfRange) {
    case OutOfRange::Fallback:
        store.markFallback(field.controlId);
        return range.fallback;
    case OutOfRange::Clamp:
        return std::clamp(value, range.lowest, range.highest);
    case OutOfRange::KeepReported:
        store.markFallback(field.controlId);
        return std::nullopt;
    case OutOfRange::Keep:
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

void showFields(IDialogControls& controls, std::span<const RecordField> fields, std::span<const std::uint8_t> record)
{
    for (const RecordField& field : fields) {
        if (little_endian::fits(record.size(), field.offset, field.width))
            showFieldValue(controls, field.controlId, field.kind,
                           little_endian::getN(record, field.offset, field.width));
    }
}

// A control whose number is not the one stored (cut to the field's width, out of range or
// kept) then shows the stored one.
void storeFields(FieldStore& store, std::span<const RecordField> fields, std::span<std::uint8_t> record)
{
    for (const RecordField& field : fields) {
        if (!little_endian::fits(record.size(), field.offset, field.width))
            continue;
        const std::int64_t typed = typedValue(store, field);
        const std::int64_t value = field.kind == FieldKind::Decimal16 ? static_cast<std::uint16_t>(typed) : typed;
        if (const std::optional<std::int64_t> stored = storedValue(store, field, value))
            little_endian::setN(record, field.offset, field.width, static_cast<std::uint32_t>(*stored));
        const std::uint32_t stored = little_endian::getN(record, field.offset, field.width);
        if (stored != typed)
            store.showStored(field.controlId, field.kind, stored);
    }
}
