#include "core/FieldStore.h"

#include "core/NumberParsing.h"
#include "core/codec/GameCodec.h"
#include "core/ui/DialogControls.h"
#include "core/ui/StatusLine.h"

#include <algorithm>
#include <string>
#include <vector>

std::int32_t FieldStore::decimal(int id, std::size_t maxLength) const
{
    return parseDecimal(m_controls.text(id, maxLength));
}

std::int32_t FieldStore::decimal(int id, std::size_t maxLength, const FieldRange& range)
{
    return static_cast<std::int32_t>(checked(id, FieldKind::Decimal, decimal(id, maxLength), range));
}

std::uint32_t FieldStore::hex(int id, std::size_t maxLength) const
{
    return parseHex(m_controls.text(id, maxLength));
}

std::uint32_t FieldStore::hex(int id, std::size_t maxLength, const FieldRange& range)
{
    return static_cast<std::uint32_t>(checked(id, FieldKind::Hex, hex(id, maxLength), range));
}

int FieldStore::selection(int id, const FieldRange& range)
{
    return static_cast<int>(checked(id, FieldKind::Selection, m_controls.selection(id), range));
}

std::int64_t FieldStore::checked(int id, FieldKind kind, std::int64_t value, const FieldRange& range)
{
    if (value >= range.lowest && value <= range.highest)
        return value;
    markFallback(id);
    showStored(id, kind, range.fallback);
    return range.fallback;
}

std::int64_t FieldStore::clamped(int id, std::int64_t value, std::int64_t lowest, std::int64_t highest)
{
    const std::int64_t kept = std::clamp(value, lowest, highest);
    if (kept != value)
        markFallback(id);
    return kept;
}

void FieldStore::markFallback(int id)
{
    if (std::find(m_fallbackIds.begin(), m_fallbackIds.end(), id) == m_fallbackIds.end())
        m_fallbackIds.push_back(id);
}

void FieldStore::report(IStatusLine* status, const char* fallbackText) const
{
    if (!usedFallback()) {
        statusShow(status, kStoredText);
        return;
    }
    std::string names;
    for (int id : m_fallbackIds) {
        for (const FieldCaption& caption : m_captions) {
            if (caption.controlId == id)
                names += (names.empty() ? "" : "、") + std::string(caption.caption);
        }
    }
    statusShow(status, names.empty() ? std::string(fallbackText) : names + ": " + fallbackText);
}

void showFieldValue(IDialogControls& controls, int id, FieldKind kind, std::int64_t value)
{
    switch (kind) {
    case FieldKind::Selection:
        selectListed(controls, id, value);
        return;
    case FieldKind::Check:
        controls.setChecked(id, value != 0);
        return;
    case FieldKind::Hex:
        controls.setText(id, hexText(static_cast<std::uint32_t>(value)));
        return;
    case FieldKind::Decimal:
    case FieldKind::Decimal16:
        controls.setText(id, std::to_string(value));
        return;
    }
}

void selectListed(IDialogControls& controls, int id, std::int64_t value)
{
    const bool listed = value >= 0 && value < controls.itemCount(id);
    controls.setSelection(id, listed ? static_cast<int>(value) : IDialogControls::kNoItem);
}

NameStoreResult storeName(const IDialogControls& controls, IStatusLine* status, int editId, std::size_t maxLength,
                          std::span<std::uint8_t> field, std::size_t encodedSize)
{
    const std::string text = controls.text(editId, maxLength);
    if (text.empty()) {
        statusShow(status, kEnterNameText);
        return NameStoreResult::Empty;
    }
    if (field.empty())
        return NameStoreResult::NoField;
    std::vector<std::uint8_t> encoded(std::max(encodedSize, field.size()), 0);
    if (!GameCodec::encodeName(encoded, text)) {
        statusShow(status, kInvalidNameText);
        return NameStoreResult::Invalid;
    }
    std::copy_n(encoded.begin(), field.size(), field.begin());
    return NameStoreResult::Stored;
}
