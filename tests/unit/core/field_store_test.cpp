#include "core/FieldStore.h"
#include "tests/support/MemoryControls.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kEdit = 10;
constexpr int kSecondEdit = 11;
constexpr int kCombo = 12;
const ControlDeclaration kControls[] = {
    {kEdit, ControlKind::Edit}, {kSecondEdit, ControlKind::Edit}, {kCombo, ControlKind::ComboBox}};

class FieldStoreTest : public ::testing::Test {
protected:
    MemoryControls controls{kControls};
    RecordingStatusLine status;
};

} // namespace

TEST_F(FieldStoreTest, ValuesInRangeReportSuccess)
{
    controls.setText(kEdit, " 300abc");
    controls.setText(kSecondEdit, "0x6C8000");
    controls.addItem(kCombo, "a");
    controls.addItem(kCombo, "b");
    controls.setSelection(kCombo, 1);
    FieldStore store(controls);
    EXPECT_EQ(store.decimal(kEdit, 255), 300);
    EXPECT_EQ(store.decimal(kEdit, 255, {0, 300, 7}), 300);
    EXPECT_EQ(store.hex(kSecondEdit, 14, {0, 0xFFFFFF, 0}), 0x6C8000u);
    EXPECT_EQ(store.selection(kCombo, {0, 999, 0}), 1);
    EXPECT_EQ(store.clamped(kEdit, 5, 1, 127), 5);
    EXPECT_FALSE(store.usedFallback());
    store.report(&status, kZeroValueText);
    EXPECT_EQ(status.texts, std::vector<std::string>{kStoredText});
}

TEST_F(FieldStoreTest, BadValuesTakeTheirFallbacksShowThemAndTheStoreNamesThem)
{
    // The edit is read with the page's buffer: "1234" through 3 characters is 123.
    controls.setText(kEdit, "1234");
    controls.setText(kSecondEdit, "1000000");
    const FieldCaption captions[] = {{kEdit, "体力"}, {kSecondEdit, "位置"}, {kCombo, "技"}};
    FieldStore store(controls, captions);
    EXPECT_EQ(store.decimal(kEdit, 3), 123);
    EXPECT_EQ(store.decimal(kEdit, 3, {0, 100, 9}), 9);
    EXPECT_EQ(store.hex(kSecondEdit, 9, {0, 0xFFFFFF, 0}), 0u);
    EXPECT_EQ(store.selection(kCombo, {0, 999, 0}), 0);
    EXPECT_EQ(store.decimal(kEdit, 3, {0, 8, 1}), 1);
    EXPECT_EQ(store.checked(kCombo, FieldKind::Selection, -1, {0, 10, 4}), 4);
    EXPECT_EQ(store.clamped(kEdit, 0, 1, 127), 1);
    EXPECT_EQ(store.clamped(kEdit, 200, 1, 127), 127);
    EXPECT_TRUE(store.usedFallback());
    EXPECT_EQ(controls.text(kEdit, 9), "1");
    EXPECT_EQ(controls.text(kSecondEdit, 9), "0x0");
    store.report(&status, kSuitableValueText);
    EXPECT_EQ(status.last(), "体力、位置、技: 正しい値を取得できなかったので、適当な値を設定しました。");

    FieldStore other(controls);
    other.markFallback(kEdit);
    EXPECT_TRUE(other.usedFallback());
    other.report(&status, kZeroValueText);
    EXPECT_EQ(status.last(), kZeroValueText);
    other.report(nullptr, kZeroValueText);
}

TEST_F(FieldStoreTest, NamesAreEncodedIntoTheFieldOrKeepTheOldName)
{
    Bytes field = {1, 2, 3, 4, 5, 6};
    controls.setText(kEdit, "ABC");
    EXPECT_EQ(storeName(controls, &status, kEdit, 27, field), NameStoreResult::Stored);
    EXPECT_EQ(field, (Bytes{0xBB, 0xBC, 0xBD, 0xFF, 0x00, 0xFF}));
    EXPECT_TRUE(status.texts.empty());

    controls.setText(kEdit, "\x84\x40\x85\x41");
    EXPECT_EQ(storeName(controls, &status, kEdit, 27, field), NameStoreResult::Invalid);
    EXPECT_EQ(field, (Bytes{0xBB, 0xBC, 0xBD, 0xFF, 0x00, 0xFF}));
    EXPECT_EQ(status.last(), kInvalidNameText);

    controls.setText(kEdit, "");
    EXPECT_EQ(storeName(controls, &status, kEdit, 27, field), NameStoreResult::Empty);
    EXPECT_EQ(status.last(), kEnterNameText);
    controls.setText(kEdit, "A");
    EXPECT_EQ(storeName(controls, &status, kEdit, 27, {}), NameStoreResult::NoField);

    // Read with the page's buffer; a field that keeps the first 5 of 6 encoded bytes.
    controls.setText(kEdit, "ABCDEFG");
    EXPECT_EQ(storeName(controls, &status, kEdit, 2, std::span(field).first(3)), NameStoreResult::Stored);
    EXPECT_EQ(field, (Bytes{0xBB, 0xBC, 0xFF, 0xFF, 0x00, 0xFF}));
    EXPECT_EQ(storeName(controls, &status, kEdit, 27, std::span(field).first(5), 6), NameStoreResult::Stored);
    EXPECT_EQ(field, (Bytes{0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xFF}));
    EXPECT_EQ(status.texts.size(), 2u);
}
