#pragma once

#include "core/FieldStore.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>

class IDialogControls;

// What a value outside the field's range does: the range's fallback is stored and the store
// reports it; the nearer end of the range is stored, unreported; the field keeps its bytes,
// unreported or reported.
enum class OutOfRange : std::uint8_t { Fallback, Clamp, Keep, KeepReported };

// Every value: the field keeps the low bytes of whatever was typed.
inline constexpr FieldRange kAnyValue = {std::numeric_limits<std::int64_t>::min(),
                                         std::numeric_limits<std::int64_t>::max(), 0};
// Every entry of a list: only "no selection" lies outside.
inline constexpr FieldRange kAnyEntry = {0, std::numeric_limits<std::int64_t>::max(), 0};

// One field of a record as a page shows and stores it: an unsigned little-endian value of
// width bytes (1 to 4) at offset. A stored value keeps its low width bytes.
struct RecordField {
    int controlId;
    std::size_t offset;
    std::size_t width;
    FieldKind kind;
    FieldRange range = kAnyValue;
    OutOfRange outOfRange = OutOfRange::Fallback;
    // An edit is read with a buffer of textLimit + 1 characters; most pages read 256.
    std::size_t textLimit = 255;
};

// A page's fields are a constexpr array of these, shown and stored by one loop each. Only the
// listed bytes are ever written; a field that does not lie inside the record is skipped.
//
//     constexpr RecordField kFields[] = {{kPowerEdit, 0x01, 1, FieldKind::Decimal},
//                                        {kTypeCombo, 0x02, 1, FieldKind::Selection, kAnyEntry, OutOfRange::Keep}};
//     showFields(controls, kFields, record);
//     FieldStore store(controls);
//     storeFields(store, kFields, record);
//     store.report(status, kZeroValueText);
void showFields(IDialogControls& controls, std::span<const RecordField> fields, std::span<const std::uint8_t> record);
void storeFields(FieldStore& store, std::span<const RecordField> fields, std::span<std::uint8_t> record);

