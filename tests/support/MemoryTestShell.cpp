// The native definition behind tests/pages/TestShell.h; a Windows test program brings its own
// and leaves this file out.
#include "tests/pages/TestShell.h"

#include "tests/support/MemoryShell.h"

std::unique_ptr<ScriptedShell> makeTestShell(CTabSystem& tabs)
{
    auto shell = std::make_unique<MemoryShell>();
    tabs.setShell(shell.get());
    return shell;
}
