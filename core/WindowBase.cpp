#include "core/WindowBase.h"

#include "core/TabSystem.h"

CWindowBase::CWindowBase(CTabSystem& tabs, const char* className) : m_tabs(tabs), m_className(className)
{
}

CWindowBase::~CWindowBase() = default;

void CWindowBase::Create(WindowHandle tabControl)
{
    if (IPageHost* host = m_tabs.pageHost())
        m_dialog = host->createPageDialog(*this, tabControl, DialogId());
}

void CWindowBase::Destroy(int)
{
    if (m_dialog) {
        if (IPageHost* host = m_tabs.pageHost())
            host->destroyPageDialog(m_dialog);
    }
    m_dialog = nullptr;
}

void CWindowBase::Resize(WindowHandle tabControl)
{
    if (!m_dialog)
        return;
    if (IPageHost* host = m_tabs.pageHost())
        host->fitPageDialog(m_dialog, tabControl);
}

IDialogControls* CWindowBase::controls(WindowHandle dialog) const
{
    if (!dialog)
        dialog = m_dialog;
    IPageHost* host = m_tabs.pageHost();
    return dialog && host ? host->controls(dialog) : nullptr;
}

bool CWindowBase::failWith(const RomFile& file)
{
    return failWith(file.errorText());
}

bool CWindowBase::failWith(const std::string& text)
{
    m_tabs.setErrorText(text);
    return false;
}
