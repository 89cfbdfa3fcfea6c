// Every caption of the relocation and type chart templates has room for all its characters
// in the Japanese UI font (the placement of the controls is checked for every template).
#include "core/relocation/RelocationDialog.h"
#include "pages/typechart/TypeChartDialog.h"
#include "tests/support/ResourceTemplates.h"

#include <gtest/gtest.h>

namespace {

// Dialog units a caption needs, from the width of a full-width character at the font.
int captionWidth(const std::string& text, int fullWidth)
{
    int width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        width += lead ? fullWidth : fullWidth / 2;
        i += lead ? 1 : 0;
    }
    return width;
}

void checkCaptions(int templateId, int fullWidth)
{
    const auto found = resourceTemplate(templateId);
    ASSERT_TRUE(found);
    for (const TemplateControl& control : found->controls) {
        const ControlDeclaration& declared = control.declared;
        // Check boxes and buttons need room for the box or the button's edges too.
        const int chrome = declared.kind == ControlKind::CheckBox ? 12 : declared.kind == ControlKind::Button ? 8 : 0;
        EXPECT_GE(declared.rect.width, captionWidth(declared.text, fullWidth) + chrome)
            << templateId << " " << control.keyword << " at " << declared.rect.x << "," << declared.rect.y;
    }
}

} // namespace

TEST(DialogCaptions, RelocationAndTypeChartCaptionsAreNotCut)
{
    checkCaptions(relocation_dialog::kTemplateId, 9);
    checkCaptions(type_chart_dialog::kTemplateId, 8);
    // The count label must also hold the longest text a page puts there.
    const auto relocation = resourceTemplate(relocation_dialog::kTemplateId);
    for (const TemplateControl& control : relocation->controls) {
        if (control.declared.id == relocation_dialog::kCountLabel) {
            EXPECT_GE(control.declared.rect.width, captionWidth("ザルバトの数：", 9));
        }
    }
}
