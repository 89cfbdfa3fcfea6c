#include "tests/support/MemoryPageHost.h"

#include "core/TabSystem.h"
#include "tests/support/MemoryTemplates.h"

namespace {
// The tab control is a window of its own; any non-null number that no dialog gets will do.
const WindowHandle kTabControl = reinterpret_cast<WindowHandle>(std::uintptr_t{0x121});
constexpr std::uintptr_t kHandleStep = 0x10;
} // namespace

MemoryPageHost::MemoryPageHost(CTabSystem& tabs) : m_tabs(tabs)
{
}

MemoryPageHost::~MemoryPageHost() = default;

void MemoryPageHost::attach()
{
    m_tabs.setPageHost(this);
    m_tabs.setTabControl(kTabControl);
}

WindowHandle MemoryPageHost::tabControl() const
{
    return kTabControl;
}

int MemoryPageHost::addTab(WindowHandle tabControl, const std::string& caption)
{
    if (tabControl != kTabControl)
        return -1;
    m_captions.push_back(caption);
    return static_cast<int>(m_captions.size());
}

// WM_INITDIALOG arrives while the dialog is being created, so the page gets the handle
// before anyone else has it; then the dialog is fitted into the tab and shown.
WindowHandle MemoryPageHost::createPageDialog(IWindowHandler& handler, WindowHandle tabControl, int dialogId)
{
    if (tabControl != kTabControl)
        return nullptr;
    const WindowHandle dialog = reinterpret_cast<WindowHandle>(m_nextHandle);
    m_nextHandle += kHandleStep;
    const std::vector<ControlDeclaration> declared = memoryTemplate(dialogId);
    auto controls = std::make_unique<MemoryControls>(declared, commandsTo(handler));
    MemoryControls& made = *controls;
    m_dialogs.emplace(dialog, Dialog{&handler, std::move(controls)});
    m_events.push_back({Event::Kind::Created, dialog, dialogId});
    handler.windowCreated(dialog, made);
    fitPageDialog(dialog, tabControl);
    return dialog;
}

void MemoryPageHost::destroyPageDialog(WindowHandle dialog)
{
    auto it = m_dialogs.find(dialog);
    if (it == m_dialogs.end())
        return;
    IWindowHandler* handler = it->second.handler;
    m_dialogs.erase(it);
    m_events.push_back({Event::Kind::Destroyed, dialog, 0});
    handler->windowDestroyed();
}

void MemoryPageHost::fitPageDialog(WindowHandle dialog, WindowHandle tabControl)
{
    if (tabControl == kTabControl && m_dialogs.count(dialog))
        m_events.push_back({Event::Kind::Fitted, dialog, 0});
}

int MemoryPageHost::selectedTab(WindowHandle tabControl)
{
    return tabControl == kTabControl ? m_selectedTab : -1;
}

void MemoryPageHost::selectTab(WindowHandle tabControl, int index)
{
    if (tabControl == kTabControl && index >= 0 && static_cast<std::size_t>(index) < m_captions.size())
        m_selectedTab = index;
}

MemoryControls* MemoryPageHost::memoryControls(WindowHandle dialog)
{
    auto it = m_dialogs.find(dialog);
    return it == m_dialogs.end() ? nullptr : it->second.controls.get();
}

int MemoryPageHost::sendDialogMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)
{
    auto it = m_dialogs.find(m_tabs.currentPageWindow());
    return it == m_dialogs.end() ? 0 : it->second.handler->windowMessage(message, wParam, lParam);
}
