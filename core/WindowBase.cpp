#include "core/WindowBase.h"

#include "core/ui/WindowMessages.h"

CWindowBase::CWindowBase(PageContext& context, const char* className) : m_context(context), m_className(className)
{
}

CWindowBase::~CWindowBase() = default;

void CWindowBase::Create(WindowHandle tabControl)
{
    if (IPageHost* host = m_context.pageHost())
        m_dialog = host->createPageDialog(*this, tabControl, DialogId());
}

void CWindowBase::Destroy(int)
{
    if (m_dialog) {
        if (IPageHost* host = m_context.pageHost())
            host->destroyPageDialog(m_dialog);
    }
    m_dialog = nullptr;
}

void CWindowBase::Resize(WindowHandle tabControl)
{
    if (!m_dialog)
        return;
    if (IPageHost* host = m_context.pageHost())
        host->fitPageDialog(m_dialog, tabControl);
}

void CWindowBase::windowCreated(WindowHandle window, IDialogControls& controls)
{
    m_dialog = window;
    m_controls = &controls;
    InitDialog(window);
}

int CWindowBase::windowMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)
{
    const int result = DialogProc(message, wParam, lParam);
    // Edit controls notify (0x100 and up) while the user types, before anything is stored.
    if (const auto command = window_message::asCommand(message, wParam); command && command->code < 0x100)
        m_context.pageCommandDone();
    return result;
}

void CWindowBase::windowDestroyed()
{
    m_dialog = nullptr;
    m_controls = nullptr;
}

bool CWindowBase::failWith(const Result& failure)
{
    return failWith(failure.errorText());
}

bool CWindowBase::failWith(const std::string& text)
{
    m_context.setErrorText(text);
    return false;
}
