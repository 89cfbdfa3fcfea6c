#pragma once

#include "core/TabSystem.h"
#include "tests/support/ScriptedShell.h"

#include <memory>

// The shell the page cases run against: in memory natively (its modal dialogs from the
// templates' definitions), the program's own window system under Windows (modal dialogs from
// the real templates), message boxes and file choosers answered by the script in both.
// Makes it and attaches it to the session; keep it alive as long as the session uses it.
std::unique_ptr<ScriptedShell> makeTestShell(CTabSystem& tabs);
