#include "pages/text/TextDocumentWindow.h"
#include "tests/support/MemoryControls.h"

#include <gtest/gtest.h>

#include <vector>

using namespace text_document;

namespace {

std::vector<int> place(const IDialogControls& controls, int id)
{
    const ControlRect rect = controls.controlRect(id);
    return {rect.x, rect.y, rect.width, rect.height};
}

TEST(TextDocumentLayout, ButtonsKeepToTheRightAndTheTextTakesTheRest)
{
    std::vector<ControlDeclaration> declared;
    for (const ChildControl& control : windowSpec().controls)
        declared.push_back({control.id, ControlKind::Edit, false, control.text, control.rect});
    MemoryControls controls(declared);

    layOut(controls, 400, 300);
    EXPECT_EQ(place(controls, kAddressLabel), (std::vector{0, 0, 40, 15}));
    EXPECT_EQ(place(controls, kAddressEdit), (std::vector{40, 0, 272, 15}));
    EXPECT_EQ(place(controls, kLoadButton), (std::vector{312, 0, 30, 15}));
    EXPECT_EQ(place(controls, kSaveButton), (std::vector{345, 0, 55, 15}));
    EXPECT_EQ(place(controls, kTextEdit), (std::vector{0, 16, 400, 284}));

    // Smaller than the top row: nothing gets a negative size.
    layOut(controls, 50, 10);
    EXPECT_EQ(place(controls, kAddressEdit), (std::vector{40, 0, 0, 15}));
    EXPECT_EQ(place(controls, kTextEdit), (std::vector{0, 16, 50, 0}));
}

} // namespace
