#pragma once

#include "core/ui/PageHost.h"
#include "tests/support/MemoryControls.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CTabSystem;

// One tab control and the page dialogs in it, kept in memory. Messages from a dialog's
// controls reach the handler of that dialog.
class MemoryPageHost : public IPageHost {
public:
    // What happened to the dialogs, in order, for the tests to check.
    struct Event {
        enum class Kind { Created, Destroyed, Fitted };
        Kind kind;
        WindowHandle dialog;
        int dialogId;
    };

    explicit MemoryPageHost(CTabSystem& tabs);
    ~MemoryPageHost() override;

    // Attaches this host and its tab control to the session; do it before adding pages.
    void attach();
    WindowHandle tabControl() const;

    int addTab(WindowHandle tabControl, const std::string& caption) override;
    WindowHandle createPageDialog(IWindowHandler& handler, WindowHandle tabControl, int dialogId) override;
    void destroyPageDialog(WindowHandle dialog) override;
    void fitPageDialog(WindowHandle dialog, WindowHandle tabControl) override;
    int selectedTab(WindowHandle tabControl) override;
    void selectTab(WindowHandle tabControl, int index) override;

    // A message (WM_COMMAND and the like) to the current page's dialog; 0 without one.
    int sendDialogMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
    // The controls of a dialog this host made; null for any other handle.
    MemoryControls* memoryControls(WindowHandle dialog);

    const std::vector<std::string>& tabCaptions() const { return m_captions; }
    std::size_t dialogCount() const { return m_dialogs.size(); }
    const std::vector<Event>& events() const { return m_events; }

private:
    CTabSystem& m_tabs;
    std::vector<std::string> m_captions;
    int m_selectedTab = -1;
    struct Dialog {
        IWindowHandler* handler;
        std::unique_ptr<MemoryControls> controls;
    };
    std::map<WindowHandle, Dialog> m_dialogs;
    // Handles are numbers that are never given out twice, so a stale handle finds nothing.
    std::uintptr_t m_nextHandle = 0x1000;
    std::vector<Event> m_events;
};
