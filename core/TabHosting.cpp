#include "core/TabSystem.h"

namespace {

// The host's selection as a page index: 0 without a host or tab control; an index beyond
// the pages (which a tab control cannot report) keeps the current page.
std::size_t selectedPage(IPageHost* host, WindowHandle tabControl, std::size_t pageCount, std::size_t current)
{
    if (!host || !tabControl)
        return 0;
    const int selected = host->selectedTab(tabControl);
    if (selected < 0 || static_cast<std::size_t>(selected) >= pageCount)
        return current;
    return static_cast<std::size_t>(selected);
}

} // namespace

void CTabSystem::showFirstPage()
{
    if (m_pageHost && m_tabControl)
        m_pageHost->selectTab(m_tabControl, 0);
    m_currentPage = selectedPage(m_pageHost, m_tabControl, m_pages.size(), 0);
    if (CWindowBase* page = currentPage())
        page->Create(m_tabControl);
}

void CTabSystem::switchToSelectedTab()
{
    if (CWindowBase* page = currentPage())
        page->Destroy(0);
    m_currentPage = selectedPage(m_pageHost, m_tabControl, m_pages.size(), m_currentPage);
    if (CWindowBase* page = currentPage())
        page->Create(m_tabControl);
}

void CTabSystem::resizeCurrentPage()
{
    if (CWindowBase* page = currentPage())
        page->Resize(m_tabControl);
}

WindowHandle CTabSystem::currentPageWindow() const
{
    CWindowBase* page = currentPage();
    return page ? page->dialog() : nullptr;
}
