#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class IDialogControls;
class IStatusLine;

// What a "設定" (store) button reports: success, or that a bad input was replaced.
inline constexpr const char* kStoredText = "正常終了。";
inline constexpr const char* kSuitableValueText = "正しい値を取得できなかったので、適当な値を設定しました。";
inline constexpr const char* kZeroValueText = "正しい値を取得できなかったので、0を設定しました。";
// What a name field reports.
inline constexpr const char* kEnterNameText = "名前を入力してください。";
inline constexpr const char* kInvalidNameText = "名前を取得できませんでした。無効な文字が入力されました。";

// The values a field accepts, and the fixed value that stands in for any other.
struct FieldRange {
    std::int64_t lowest;
    std::int64_t highest;
    std::int64_t fallback;
};

// How a control shows a record field and reads it back:
// - Decimal: an edit with the value in decimal;
// - Decimal16: the same, the typed number taken as an unsigned 16-bit value before the range check;
// - Hex: an edit with the value as "0x%X";
// - Selection: a combo or list box whose entry n is the value n; a value beyond the list shows
//   no selection, and no selection reads as -1;
// - Check: a check box; checked stores 1, unchecked 0, and any value but 0 shows checked.
enum class FieldKind : std::uint8_t { Decimal, Decimal16, Hex, Selection, Check };

// Shows a value in a control as a field of that kind shows it.
void showFieldValue(IDialogControls& controls, int id, FieldKind kind, std::int64_t value);
// Selects entry value of a combo or list box. A value outside the list clears the selection
// outright: not every system clears it for an index beyond the list.
void selectListed(IDialogControls& controls, int id, std::int64_t value);

// The name a store's message gives a field: the caption beside its control in the dialog.
struct FieldCaption {
    int controlId;
    const char* caption;
};

// One press of a store button. Every field is read and stored even when another is bad; a
// bad value takes its field's fallback, which its control then shows, and marks the store;
// report() then shows the page's fallback message instead of "正常終了。", after the
// captions of the fields that took one.
//
//     FieldStore store(controls, kCaptions);
//     record[kPower] = static_cast<std::uint8_t>(store.decimal(kPowerEdit, 9, {0, 255, 255}));
//     record[kType] = static_cast<std::uint8_t>(store.selection(kTypeCombo, {0, 17, 0}));
//     store.report(status, kSuitableValueText);
class FieldStore {
public:
    explicit FieldStore(IDialogControls& controls, std::span<const FieldCaption> captions = {})
        : m_controls(controls), m_captions(captions)
    {
    }

    IDialogControls& controls() const { return m_controls; }

    // The edit's text (at most maxLength characters) as a decimal number (parseDecimal):
    // an empty or non-numeric text gives 0, unchecked.
    std::int32_t decimal(int id, std::size_t maxLength) const;
    // The same, checked against the range.
    std::int32_t decimal(int id, std::size_t maxLength, const FieldRange& range);
    // As hexadecimal (parseHex), unchecked and checked.
    std::uint32_t hex(int id, std::size_t maxLength) const;
    std::uint32_t hex(int id, std::size_t maxLength, const FieldRange& range);
    // A combo box or list box selection, checked against the range; no selection is -1.
    int selection(int id, const FieldRange& range);

    // A value the page worked out itself from the control id, checked against the range; a
    // fallback is named and shown there as a field of that kind.
    std::int64_t checked(int id, FieldKind kind, std::int64_t value, const FieldRange& range);
    // A value kept within lowest and highest; a value that had to move marks the store and
    // names the control it came from (the page shows the value kept itself).
    std::int64_t clamped(int id, std::int64_t value, std::int64_t lowest, std::int64_t highest);
    // For a fallback the page decided on by a rule of its own; the message names the field.
    void markFallback(int id);
    bool usedFallback() const { return !m_fallbackIds.empty(); }
    // A control that was read shows what was stored instead of what was typed.
    void showStored(int id, FieldKind kind, std::int64_t value) { showFieldValue(m_controls, id, kind, value); }

    // "正常終了。", or fallbackText (kSuitableValueText or kZeroValueText) after the captions
    // of the fields named by their fallback ("体力、攻撃: ...").
    void report(IStatusLine* status, const char* fallbackText) const;

private:
    IDialogControls& m_controls;
    std::span<const FieldCaption> m_captions;
    // The controls whose values fell back, each once, in the order they did.
    std::vector<int> m_fallbackIds;
};

enum class NameStoreResult {
    Stored,
    // Nothing typed: kEnterNameText was shown and the field is unchanged.
    Empty,
    // Something was typed but there is no field to store it in (nothing is selected).
    NoField,
    // Nothing of the text could be encoded: kInvalidNameText was shown, the old name stays.
    Invalid,
};

// Stores the edit's text (at most maxLength characters) in a fixed-length game text field:
// GameCodec::encodeName into zero-filled bytes of the field's size, or of encodedSize where a
// field keeps only the first bytes of a wider name (a dex category: 6 encoded, 5 kept).
// Messages go to the status line as the results say; nothing is shown on success, and the
// caller clears the status line first where its page does.
NameStoreResult storeName(const IDialogControls& controls, IStatusLine* status, int editId, std::size_t maxLength,
                          std::span<std::uint8_t> field, std::size_t encodedSize = 0);
