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
    return static_cast<std::int32_t>(checked(decimal(id, maxLength), range));
}

std::uint32_t FieldStore::hex(int id, std::size_t maxLength) const
{
    return parseHex(m_controls.text(id, maxLength));
}

std::uint32_t FieldStore::hex(int id, std::size_t maxLength, const FieldRange& range)
{
    return static_cast<std::uint32_t>(checked(hex(id, maxLength), range));
}

int FieldStore::selection(int id, const FieldRange& range)
{
    return static_cast<int>(checked(m_controls.selection(id), range));
}

std::int64_t FieldStore::checked(std::int64_t value, const FieldRange& range)
{
    if (value >= range.lowest && value <= range.highest)
        return value;
    m_usedFallback = true;
    return range.fallback;
}

std::int64_t FieldStore::clamped(std::int64_t value, std::int64_t lowest, std::int64_t highest)
{
    const std::int64_t kept = std::clamp(value, lowest, highest);
    if (kept != value)
        m_usedFallback = true;
    return kept;
}

void FieldStore::report(IStatusLine* status, const char* fallbackText) const
{
    statusShow(status, m_usedFallback ? fallbackText : kStoredText);
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
