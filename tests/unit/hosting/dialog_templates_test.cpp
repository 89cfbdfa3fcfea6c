#include "tests/support/ResourceTemplates.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// A closed combo box is one edit line high; the template's height includes its list.
constexpr int kClosedComboHeight = 14;

ControlRect shownRect(const TemplateControl& control)
{
    ControlRect rect = control.declared.rect;
    if (control.declared.kind == ControlKind::ComboBox)
        rect.height = std::min(rect.height, kClosedComboHeight);
    return rect;
}

bool overlap(const ControlRect& a, const ControlRect& b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool contains(const ControlRect& outer, const ControlRect& inner)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

std::string where(const DialogTemplate& dialog, const TemplateControl& control)
{
    return "template " + std::to_string(dialog.id) + ", " + control.keyword + " " +
           std::to_string(control.declared.id) + " at " + std::to_string(control.declared.rect.x) + "," +
           std::to_string(control.declared.rect.y);
}

} // namespace

// Every dialog the program has is defined by a fragment of the resource script.
TEST(DialogTemplates, EveryPageAndTheRelocationDialogHaveOne)
{
    for (int id : {131, 132, 133, 134, 135, 136, 137, 138, 139, 140})
        EXPECT_TRUE(resourceTemplate(id).has_value()) << id;
    EXPECT_FALSE(resourceTemplate(0).has_value());
}

// Ids are unique in their dialog; controls lie inside it and, but for group boxes around
// others, never on top of one another.
TEST(DialogTemplates, ControlsAreUniqueInsideAndApart)
{
    for (const DialogTemplate& dialog : resourceTemplates()) {
        const ControlRect area{0, 0, dialog.rect.width, dialog.rect.height};
        std::set<int> ids;
        for (const TemplateControl& control : dialog.controls) {
            if (control.declared.id != -1) {
                EXPECT_TRUE(ids.insert(control.declared.id).second) << where(dialog, control);
            }
            EXPECT_TRUE(contains(area, shownRect(control))) << where(dialog, control);
        }
        for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
            for (std::size_t j = i + 1; j < dialog.controls.size(); ++j) {
                const TemplateControl& a = dialog.controls[i];
                const TemplateControl& b = dialog.controls[j];
                if (a.keyword == "GROUPBOX" || b.keyword == "GROUPBOX")
                    continue;
                EXPECT_FALSE(overlap(shownRect(a), shownRect(b))) << where(dialog, a) << " / " << where(dialog, b);
            }
        }
    }
}
