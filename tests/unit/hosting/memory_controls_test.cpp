#include "core/ui/WindowMessages.h"
#include "tests/support/MemoryControls.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

enum { kEdit = 1, kStatic, kCheck, kButton, kCombo, kList, kSorted, kPicture };
const ControlDeclaration kDeclared[] = {
    {kEdit, ControlKind::Edit},         {kStatic, ControlKind::Static},  {kCheck, ControlKind::CheckBox},
    {kButton, ControlKind::Button},     {kCombo, ControlKind::ComboBox}, {kList, ControlKind::ListBox},
    {kSorted, ControlKind::ListBox, true}, {kPicture, ControlKind::Picture}};
constexpr int kNone = IDialogControls::kNoItem;

class MemoryControlsTest : public ::testing::Test {
protected:
    std::vector<std::pair<int, std::uint16_t>> notified;
    MemoryControls controls{kDeclared, [this](int id, std::uint16_t code) { notified.emplace_back(id, code); }};
};

} // namespace

TEST_F(MemoryControlsTest, TextIsCutToWholeCharactersAndEditsNotify)
{
    controls.setText(kEdit, "aあい");
    EXPECT_EQ(controls.text(kEdit, 5), "aあい");
    EXPECT_EQ(controls.text(kEdit, 4), "aあ");
    EXPECT_EQ(controls.text(kEdit, 2), "a");
    EXPECT_EQ(controls.text(kEdit, 0), "");
    EXPECT_EQ(notified, (std::vector<std::pair<int, std::uint16_t>>{{kEdit, window_message::kEditUpdate},
                                                                    {kEdit, window_message::kEditChange}}));
    controls.setText(kStatic, std::string_view("ab\0c", 4));
    EXPECT_EQ(controls.text(kStatic, 10), "ab");
    EXPECT_EQ(notified.size(), 2u);
}

TEST_F(MemoryControlsTest, SelectionFollowsInsertsAndDeletes)
{
    for (const char* item : {"zero", "one", "two"})
        controls.addItem(kCombo, item);
    EXPECT_EQ(controls.selection(kCombo), kNone);
    EXPECT_EQ(controls.setSelection(kCombo, 2), 2);
    EXPECT_EQ(controls.text(kCombo, 10), "two");
    EXPECT_EQ(controls.insertItem(kCombo, 0, "new"), 0);
    EXPECT_EQ(controls.selection(kCombo), 3);
    controls.deleteItem(kCombo, 1);
    EXPECT_EQ(controls.selection(kCombo), 2);
    EXPECT_EQ(controls.itemText(kCombo, 1), "one");
    controls.deleteItem(kCombo, 2);
    EXPECT_EQ(controls.selection(kCombo), kNone);
    EXPECT_EQ(controls.insertItem(kCombo, -1, "end"), 2);
    EXPECT_EQ(controls.insertItem(kCombo, 9, "far"), kNone);

    EXPECT_EQ(controls.setSelection(kCombo, 1), 1);
    EXPECT_EQ(controls.setSelection(kCombo, 3), kNone);
    EXPECT_EQ(controls.selection(kCombo), kNone);
    EXPECT_EQ(controls.text(kCombo, 10), "");
    controls.clearItems(kCombo);
    EXPECT_EQ(controls.itemCount(kCombo), 0);
}

TEST_F(MemoryControlsTest, SortedListsPlaceItemsIgnoringCase)
{
    EXPECT_EQ(controls.addItem(kSorted, "b"), 0);
    EXPECT_EQ(controls.addItem(kSorted, "C"), 1);
    EXPECT_EQ(controls.addItem(kSorted, "a"), 0);
    EXPECT_EQ(controls.addItem(kList, "b"), 0);
    EXPECT_EQ(controls.addItem(kList, "a"), 1);
    EXPECT_EQ(controls.itemText(kSorted, 2), "C");
}

TEST_F(MemoryControlsTest, StatesAndUnknownIds)
{
    controls.setChecked(kCheck, true);
    controls.setChecked(kButton, true);
    EXPECT_TRUE(controls.isChecked(kCheck));
    EXPECT_FALSE(controls.isChecked(kButton));
    controls.setEnabled(kButton, false);
    controls.setVisible(kStatic, false);
    EXPECT_FALSE(controls.isEnabled(kButton));
    EXPECT_FALSE(controls.isVisible(kStatic));
    EXPECT_TRUE(controls.isEnabled(kEdit));
    controls.setDroppedHeight(kCombo, 200);
    EXPECT_EQ(controls.droppedHeight(kCombo), 200);

    const std::uint32_t pixels[] = {1, 2, 3, 4, 5, 6};
    controls.showPixels(kPicture, 3, 2, pixels);
    controls.showPixels(kPicture, 4, 2, pixels);
    ASSERT_NE(controls.picture(kPicture), nullptr);
    EXPECT_EQ(controls.picture(kPicture)->width, 3);
    EXPECT_EQ(controls.picture(kPicture)->pixels.size(), 6u);

    controls.setText(99, "x");
    controls.setChecked(99, true);
    EXPECT_EQ(controls.text(99, 10), "");
    EXPECT_FALSE(controls.isChecked(99));
    EXPECT_FALSE(controls.isEnabled(99));
    EXPECT_EQ(controls.addItem(99, "x"), kNone);
    EXPECT_EQ(controls.addItem(kEdit, "x"), kNone);
    EXPECT_EQ(controls.setSelection(99, 0), kNone);
    EXPECT_EQ(controls.itemText(kList, 5), "");
}
