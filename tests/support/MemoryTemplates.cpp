#include "tests/support/MemoryTemplates.h"

#include "tests/support/ResourceTemplates.h"

std::vector<ControlDeclaration> memoryTemplate(int dialogId)
{
    std::vector<ControlDeclaration> controls;
    if (auto found = resourceTemplate(dialogId)) {
        for (const TemplateControl& control : found->controls) {
            if (control.declared.id != -1)
                controls.push_back(control.declared);
        }
    }
    return controls;
}
