#pragma once

#include "tests/support/MemoryControls.h"

#include <optional>
#include <string>
#include <vector>

// A dialog template as the program's resource script defines it, read from the sources: the
// dialog fragments that res/Calvanter.rc includes, with the ids of the headers they include.
// The memory host builds its dialogs from these, so a template is defined in one place only.
struct TemplateControl {
    std::string keyword; // LTEXT, GROUPBOX, COMBOBOX, CONTROL...
    ControlDeclaration declared;
};

struct DialogTemplate {
    int id = 0;
    std::string caption; // code page 932, like the program's texts
    ControlRect rect;    // dialog units
    // Every control in template order, statics without an id (-1) included.
    std::vector<TemplateControl> controls;
};

// The template with that id; nothing for an id no fragment defines.
std::optional<DialogTemplate> resourceTemplate(int dialogId);
// Every dialog template of the fragments, in the order the resource script includes them.
const std::vector<DialogTemplate>& resourceTemplates();
