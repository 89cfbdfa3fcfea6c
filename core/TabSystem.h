#pragma once

#include "core/PageContext.h"
#include "core/RomBackup.h"
#include "core/WindowBase.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The page list behind the tabs and the ROM session: which file is open, which game it
// holds, and the passes that drive every page through reading and writing.
class CTabSystem : public PageContext {
public:
    // ReadAll results.
    static constexpr int kReadFailed = 0;
    static constexpr int kReadDone = 1;
    static constexpr int kReadNoFile = 2;

    CTabSystem() = default;
    CTabSystem(const CTabSystem&) = delete;
    CTabSystem& operator=(const CTabSystem&) = delete;

    // Appends a page and runs its Reset. Returns the tab count after the insertion, or -1
    // for a null page or when there is no tab control (the page is still appended).
    int AddPage(std::unique_ptr<CWindowBase> page, std::string caption);
    const std::vector<std::unique_ptr<CWindowBase>>& pages() const { return m_pages; }
    const std::vector<std::string>& captions() const { return m_captions; }
    CWindowBase* currentPage() const;
    std::size_t currentPageIndex() const { return m_currentPage; }
    // An index outside the page list keeps the current page; returns whether it changed.
    bool setCurrentPageIndex(std::size_t index);
    int forwardToCurrentPage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

    // Tab hosting: only the current page has a dialog.
    // Once, after the pages were added: selects tab 0 and creates its page's dialog.
    void showFirstPage();
    // A TCN_SELCHANGE of the tab control: destroys the current page's dialog, takes the tab
    // control's selection as the current page and creates that page's dialog.
    void switchToSelectedTab();
    // After the frame sized the tab control.
    void resizeCurrentPage();
    // The current page's dialog; null without one.
    WindowHandle currentPageWindow() const;

    // Releases what an earlier ROM left, then reads the file at path.
    int openRom(std::string path);
    // 1 read, 0 a page failed (its message is on the status line), 2 no file or no ROM: shorter
    // than a cartridge header, or bytes at 0xAC that are no game code and name no section.
    int ReadAll();
    // 1 saved, 0 failed or refused (nothing read to save).
    int RomWrite();
    void ReleaseAll();
    // At shutdown: Release every page and free it.
    void releaseAndFreePages();

    bool loaded() const { return m_loaded; }
    bool canSave() const { return m_canSave; }
    // Whether saving would change the ROM file: every page writes into a copy of the file's
    // bytes in memory, which is then compared with the file. Nothing is pending while nothing
    // can be saved. A file that cannot be read, and a write-out that fails, count as pending:
    // saving would change the file, or say why it cannot.
    bool pendingEdits();

    void setProgramDirectory(std::string directory) { m_programDirectory = std::move(directory); }
    void setRomPath(std::string path) { m_romPath = std::move(path); }
    void setStatusLine(IStatusLine* status);
    // After each user action (a message handled): a backup's notice is not repeated on the
    // status texts of later actions.
    void actionEnded() { m_noticeLine.endAction(); }
    // The local time that names a backup copy; tests fix it.
    void setBackupClock(RomBackup::Clock clock) { m_backup.setClock(std::move(clock)); }
    void setShell(IShell* shell) { m_shell = shell; }
    void setPageHost(IPageHost* host) { m_pageHost = host; }
    void setTabControl(WindowHandle tabControl) { m_tabControl = tabControl; }
    WindowHandle tabControl() const { return m_tabControl; }
    void setFrame(WindowHandle frame) { m_frame = frame; }
    // Called with the new state whenever saving becomes possible or impossible.
    void setSaveEnabledHandler(std::function<void(bool)> handler) { m_onSaveEnabled = std::move(handler); }
    // Called after each command that a page's dialog handled.
    void setPageCommandHandler(std::function<void()> handler) { m_onPageCommand = std::move(handler); }

private:
    void setSaveEnabled(bool enabled);
    void forgetPagesFrom(std::size_t first);

    WindowHandle m_tabControl = nullptr;
    std::vector<std::unique_ptr<CWindowBase>> m_pages;
    std::vector<std::string> m_captions;
    std::size_t m_currentPage = 0;

    bool m_loaded = false;
    bool m_canSave = false;

    std::function<void(bool)> m_onSaveEnabled;
    // The pages' write-out and a window of the file's bytes to compare it with, kept between
    // checks of what is pending so that their memory is made once per ROM.
    std::vector<std::uint8_t> m_writtenImage;
    std::vector<std::uint8_t> m_fileWindow;
};
