#include "core/FieldTable.h"
#include "tests/support/MemoryControls.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kEdit = 10;
constexpr int kSecondEdit = 11;
constexpr int kCombo = 12;
constexpr int kCheck = 13;
const ControlDeclaration kControls[] = {{kEdit, ControlKind::Edit},
                                        {kSecondEdit, ControlKind::Edit},
                                        {kCombo, ControlKind::ComboBox},
                                        {kCheck, ControlKind::CheckBox}};

constexpr FieldRange kByte = {0, 255, 255};

// One field stored from one control into a copy of kRecord.
struct StoreCase {
    const char* what;
    RecordField field;
    // The edit's text; for a combo the selection, for a check box "1" when checked.
    const char* input;
    Bytes expected;
    bool reported;
    // What the control shows afterwards, in the form of input.
    const char* shown;
};

const Bytes kRecord = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66};

const StoreCase kStoreCases[] = {
    {"a decimal keeps its low bytes", {kEdit, 1, 2, FieldKind::Decimal}, "70000",
     {0x11, 0x70, 0x11, 0x44, 0x55, 0x66}, false, "4464"},
    {"the edit is read through its buffer", {kEdit, 0, 1, FieldKind::Decimal, kAnyValue, OutOfRange::Fallback, 2},
     "1234", {12, 0x22, 0x33, 0x44, 0x55, 0x66}, false, "1234"},
    {"beyond the range takes the fallback", {kEdit, 5, 1, FieldKind::Decimal, {0, 3, 3}}, "5",
     {0x11, 0x22, 0x33, 0x44, 0x55, 3}, true, "3"},
    {"a 16-bit number beyond a byte", {kEdit, 0, 1, FieldKind::Decimal16, kByte}, "300",
     {255, 0x22, 0x33, 0x44, 0x55, 0x66}, true, "255"},
    {"255 fits a byte", {kEdit, 0, 1, FieldKind::Decimal16, kByte}, "255", {255, 0x22, 0x33, 0x44, 0x55, 0x66},
     false, "255"},
    {"a 16-bit number wraps first", {kEdit, 0, 1, FieldKind::Decimal16, kByte}, "65537",
     {1, 0x22, 0x33, 0x44, 0x55, 0x66}, false, "1"},
    {"clamped, unreported", {kEdit, 2, 1, FieldKind::Decimal, {0, 31, 0}, OutOfRange::Clamp}, "40",
     {0x11, 0x22, 31, 0x44, 0x55, 0x66}, false, "31"},
    {"three hex bytes keep the fourth", {kEdit, 1, 3, FieldKind::Hex}, "0x6C8000",
     {0x11, 0x00, 0x80, 0x6C, 0x55, 0x66}, false, "0x6C8000"},
    {"an entry is its value", {kCombo, 3, 2, FieldKind::Selection, {0, 2, 0}, OutOfRange::Keep}, "2",
     {0x11, 0x22, 0x33, 2, 0, 0x66}, false, "2"},
    {"the first entry is 0", {kCombo, 3, 2, FieldKind::Selection, kAnyEntry, OutOfRange::Keep}, "0",
     {0x11, 0x22, 0x33, 0, 0, 0x66}, false, "0"},
    {"no entry keeps the value", {kCombo, 3, 2, FieldKind::Selection, kAnyEntry, OutOfRange::Keep}, "-1", kRecord,
     false, "-1"},
    {"no entry keeps it and says so", {kCombo, 3, 2, FieldKind::Selection, kAnyEntry, OutOfRange::KeepReported},
     "-1", kRecord, true, "-1"},
    {"no entry takes the fallback", {kCombo, 3, 2, FieldKind::Selection, {0, 999, 0}}, "-1",
     {0x11, 0x22, 0x33, 0, 0, 0x66}, true, "0"},
    {"checked is 1", {kCheck, 4, 1, FieldKind::Check}, "1", {0x11, 0x22, 0x33, 0x44, 1, 0x66}, false, "1"},
    {"unchecked is 0", {kCheck, 4, 1, FieldKind::Check}, "0", {0x11, 0x22, 0x33, 0x44, 0, 0x66}, false, "0"},
    {"a field past the record is skipped", {kEdit, 5, 2, FieldKind::Decimal}, "7", kRecord, false, "7"},
};

class FieldTableTest : public ::testing::Test {
protected:
    FieldTableTest()
    {
        for (const char* entry : {"a", "b", "c"})
            controls.addItem(kCombo, entry);
    }

    MemoryControls controls{kControls};
};

} // namespace

TEST_F(FieldTableTest, ShowsEachKindFromItsBytes)
{
    const RecordField fields[] = {{kEdit, 0, 2, FieldKind::Decimal},
                                  {kSecondEdit, 2, 3, FieldKind::Hex},
                                  {kCombo, 5, 1, FieldKind::Selection},
                                  {kCheck, 6, 1, FieldKind::Check},
                                  {kEdit, 7, 2, FieldKind::Decimal}};
    const Bytes record = {0x2C, 0x01, 0x00, 0x80, 0x6C, 0x02, 0x05, 0x99};
    showFields(controls, fields, record);
    // The last field lies past the record: the edit keeps what the first one showed.
    EXPECT_EQ(controls.text(kEdit, 255), "300");
    EXPECT_EQ(controls.text(kSecondEdit, 255), "0x6C8000");
    EXPECT_EQ(controls.selection(kCombo), 2);
    EXPECT_TRUE(controls.isChecked(kCheck));

    // 0 is the first entry and unchecks; a value beyond the list clears the selection.
    showFields(controls, fields, Bytes{0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(controls.selection(kCombo), 0);
    EXPECT_FALSE(controls.isChecked(kCheck));
    EXPECT_EQ(controls.text(kSecondEdit, 255), "0x0");
    showFields(controls, fields, Bytes{0, 0, 0, 0, 0, 3, 0, 0});
    EXPECT_EQ(controls.selection(kCombo), IDialogControls::kNoItem);
}

TEST_F(FieldTableTest, StoresOnlyTheFieldsBytesWithTheirFallbacks)
{
    for (const StoreCase& c : kStoreCases) {
        SCOPED_TRACE(c.what);
        controls.setText(kEdit, c.input);
        controls.setSelection(kCombo, std::stoi(c.input));
        controls.setChecked(kCheck, std::string(c.input) == "1");
        Bytes record = kRecord;
        FieldStore store(controls);
        storeFields(store, std::span(&c.field, 1), record);
        EXPECT_EQ(record, c.expected);
        EXPECT_EQ(store.usedFallback(), c.reported);
        const int id = c.field.controlId;
        const std::string shown = id == kEdit    ? controls.text(kEdit, 255)
                                  : id == kCombo ? std::to_string(controls.selection(kCombo))
                                                 : std::string(controls.isChecked(kCheck) ? "1" : "0");
        EXPECT_EQ(shown, c.shown);
    }
}

TEST_F(FieldTableTest, OneBadFieldDoesNotStopTheOthersAndTheMessageNamesTheBadOnes)
{
    const RecordField fields[] = {{kEdit, 0, 1, FieldKind::Decimal, {0, 3, 3}},
                                  {kCombo, 1, 2, FieldKind::Selection, kAnyEntry, OutOfRange::KeepReported},
                                  {kSecondEdit, 4, 1, FieldKind::Decimal, {0, 3, 3}},
                                  {kCheck, 5, 1, FieldKind::Check}};
    const FieldCaption captions[] = {{kCheck, "チェック"}, {kCombo, "タイプ"}, {kEdit, "体力"}};
    controls.setText(kEdit, "9");
    controls.setSelection(kCombo, IDialogControls::kNoItem);
    controls.setText(kSecondEdit, "-1");
    controls.setChecked(kCheck, true);
    Bytes record(6, 0xEE);
    FieldStore store(controls, captions);
    storeFields(store, fields, record);
    EXPECT_EQ(record, (Bytes{3, 0xEE, 0xEE, 0xEE, 3, 1}));
    RecordingStatusLine status;
    store.report(&status, kZeroValueText);
    // In the order of the fields; one without a caption goes unnamed.
    EXPECT_EQ(status.last(), "体力、タイプ: 正しい値を取得できなかったので、0を設定しました。");
}
