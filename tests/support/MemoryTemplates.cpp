#include "tests/support/MemoryTemplates.h"

#include "pages/other/OtherDialog.h"

namespace {

std::vector<ControlDeclaration> otherPageTemplate()
{
    using namespace other_dialog;
    return {
        {kClassSelector, ControlKind::ComboBox}, {kClassNameEdit, ControlKind::Edit},
        {kStoreClassName, ControlKind::Button},  {kMoveSelector, ControlKind::ComboBox},
        {kMoveNameEdit, ControlKind::Edit},      {kStoreMoveName, ControlKind::Button},
        {kLeftStarter, ControlKind::ComboBox},   {kCenterStarter, ControlKind::ComboBox},
        {kRightStarter, ControlKind::ComboBox},  {kStoreStarters, ControlKind::Button},
    };
}

} // namespace

std::vector<ControlDeclaration> memoryTemplate(int dialogId)
{
    if (dialogId == other_dialog::kTemplateId)
        return otherPageTemplate();
    return {};
}
