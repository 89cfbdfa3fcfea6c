#include "tests/support/MemoryTemplates.h"

#include "tests/support/ResourceTemplates.h"

std::vector<ControlDeclaration> memoryTemplate(int dialogId)
{
    std::vector<ControlDeclaration> controls;
    if (auto found = resourceTemplate(dialogId)) {
        for (const ControlDeclaration& control : found->controls) {
            if (control.id != -1)
                controls.push_back(control);
        }
    }
    return controls;
}

std::string memoryTemplateCaption(int dialogId)
{
    auto found = resourceTemplate(dialogId);
    return found ? found->caption : std::string();
}
