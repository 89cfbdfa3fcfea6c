// The native definitions behind tests/pages/TestPageHost.h and TestShell.h; a Windows test
// program brings its own and leaves this file out.
#include "tests/pages/TestPageHost.h"
#include "tests/pages/TestShell.h"

#include "core/ui/WindowMessages.h"
#include "tests/support/MemoryPageHost.h"
#include "tests/support/MemoryShell.h"

std::unique_ptr<ScriptedShell> makeTestShell(CTabSystem& tabs)
{
    auto shell = std::make_unique<MemoryShell>();
    tabs.setShell(shell.get());
    return shell;
}

std::unique_ptr<IPageHost> makeTestPageHost(CTabSystem& tabs)
{
    auto host = std::make_unique<MemoryPageHost>(tabs);
    host->attach();
    return host;
}

void sendCommand(IPageHost& host, CTabSystem&, int controlId, int notification)
{
    static_cast<MemoryPageHost&>(host).sendDialogMessage(
        window_message::kCommand,
        window_message::makeCommand(static_cast<std::uint16_t>(controlId), static_cast<std::uint16_t>(notification)),
        0);
}

IDialogControls* currentControls(IPageHost& host, CTabSystem& tabs)
{
    return static_cast<MemoryPageHost&>(host).memoryControls(tabs.currentPageWindow());
}

void sendWindowCommand(WindowHandle window, int controlId, int notification)
{
    if (MemoryMdiClient* client = MemoryMdiClient::holding(window))
        client->command(window, controlId, static_cast<std::uint16_t>(notification));
}

void closeWindow(WindowHandle window)
{
    if (MemoryMdiClient* client = MemoryMdiClient::holding(window))
        client->close(window);
}

std::intptr_t maximiseWindow(WindowHandle window)
{
    MemoryMdiClient* client = MemoryMdiClient::holding(window);
    return client ? client->maximise(window) : 0;
}

WindowPlace windowPlace(WindowHandle window)
{
    const MemoryMdiClient* client = MemoryMdiClient::holding(window);
    if (!client)
        return {};
    const ControlRect place = client->place(window);
    return {place, {0, 0, place.width, place.height}, MemoryMdiClient::kClientArea};
}

// Controls in memory have no border.
ControlRect pictureInside(IPageHost& host, CTabSystem& tabs, int controlId)
{
    MemoryControls* controls = static_cast<MemoryPageHost&>(host).memoryControls(tabs.currentPageWindow());
    const ControlRect rect = controls ? controls->controlRect(controlId) : ControlRect{};
    return {0, 0, rect.width, rect.height};
}

RgbImage shownPicture(IPageHost& host, CTabSystem& tabs, int controlId)
{
    MemoryControls* controls = static_cast<MemoryPageHost&>(host).memoryControls(tabs.currentPageWindow());
    const MemoryControls::Picture* picture = controls ? controls->picture(controlId) : nullptr;
    if (!picture)
        return {};
    return {picture->width, picture->height, picture->pixels};
}
