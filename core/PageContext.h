#pragma once

#include "core/GameSettings.h"
#include "core/RomBackup.h"
#include "core/RomFile.h"
#include "core/SharedTables.h"
#include "core/ui/NoticeStatusLine.h"
#include "core/ui/PageHost.h"
#include "core/ui/Shell.h"
#include "core/ui/StatusLine.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

// What a page sees of the session: the shared tables, the paths, the open game, the status
// line, the shared error text, the window system and the one way to open the ROM for
// writing. The session (CTabSystem) fills it.
class PageContext {
public:
    static constexpr std::size_t kErrorTextSize = 256;
    static constexpr std::size_t kPathSize = 260;

    PageContext() = default;
    PageContext(const PageContext&) = delete;
    PageContext& operator=(const PageContext&) = delete;

    SharedTables& tables() { return m_tables; }
    const SharedTables& tables() const { return m_tables; }

    const std::string& programDirectory() const { return m_programDirectory; }
    // A file of the program directory: Setting.ini, the caches, the name lists.
    std::string programFile(std::string_view name) const;
    std::string settingsFile() const;
    // A section of Setting.ini for LoadSettings. While the session reads a ROM, the file it
    // parsed once at the start of the read; otherwise (a page driven on its own) the file as
    // it is now.
    GameSettings gameSettings(const std::string& section) const;
    // The ROM that actions acting on the file at once open for the length of one action.
    const std::string& romPath() const { return m_romPath; }
    // That ROM opened for writing, for an action that writes into it at once: an existing
    // file only, so that such a write never makes a ROM of its own. The backup the setting
    // asks for is made first; when it cannot be, the file is not opened and the failure says
    // why.
    ResultOf<RomFile> openRomForWriting();
    // One write into that ROM at offset, opened as openRomForWriting opens it.
    Result writeRomAt(std::int64_t offset, std::span<const std::uint8_t> bytes);
    // The four bytes at 0xAC as text (up to the first zero byte); empty before a read.
    const std::string& gameCode() const { return m_gameCode; }
    // Index prefixes ("%03d:%s") on the selection lists.
    bool indexPrefix() const { return m_indexPrefix; }

    const std::string& errorText() const { return m_errorText; }
    // Kept to 255 bytes, like the shared 256-byte buffer.
    void setErrorText(std::string_view text);

    // Null where there is no window system (the command-line tools, engine tests).
    IStatusLine* statusLine() const { return m_status; }
    IShell* shell() const { return m_shell; }
    IPageHost* pageHost() const { return m_pageHost; }
    WindowHandle frame() const { return m_frame; }

    // After a page's dialog handled a command: what the page stored may have changed what
    // saving would write.
    void pageCommandDone() const
    {
        if (m_onPageCommand)
            m_onPageCommand();
    }

protected:
    ~PageContext() = default;

    // The session's save: the ROM opened for writing as openRomForWriting does, but made
    // anew if it is gone.
    ResultOf<RomFile> openRomForSaving();

    SharedTables m_tables;
    std::string m_programDirectory;
    std::string m_romPath;
    std::string m_gameCode;
    std::string m_errorText;
    // Setting.ini as parsed for the ROM being read; null outside a read.
    std::shared_ptr<const ProfileFile> m_settings;
    bool m_indexPrefix = true;
    IStatusLine* m_status = nullptr;
    IShell* m_shell = nullptr;
    IPageHost* m_pageHost = nullptr;
    WindowHandle m_frame = nullptr;
    std::function<void()> m_onPageCommand;
    // In front of the window's status line: carries the backup's notice through an action.
    NoticeStatusLine m_noticeLine;
    RomBackup m_backup{m_noticeLine};

private:
    ResultOf<RomFile> openRomAfterBackup(ResultOf<RomFile> (*open)(const std::string&));
};
