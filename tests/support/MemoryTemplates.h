#pragma once

#include "tests/support/MemoryControls.h"

#include <vector>

// The controls with ids of the program's dialog templates, as the memory host creates them
// (from the templates' own definitions); an unknown template has none.
std::vector<ControlDeclaration> memoryTemplate(int dialogId);
