#pragma once

#include "core/ui/Shell.h"

#include <windows.h>

#include <vector>

// The child controls of a window of the program's own (the TM/HM window, the text documents),
// made in its WM_CREATE at their pixel places, with the system's default GUI font.
namespace win32_window {

void createChildControls(HWND parent, HINSTANCE instance, const std::vector<ChildControl>& controls);

} // namespace win32_window
