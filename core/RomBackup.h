#pragma once

#include "core/RomFile.h"

#include <ctime>
#include <functional>
#include <string>

class IStatusLine;
class NoticeStatusLine;

// A copy of the ROM file before the first write of each opening, when Setting.ini asks for
// it ([Calvanter] Backup=n, n > 0): the copy lies beside the ROM as
// "<ROM file name>.<yyyymmdd>-<hhmmss>.bak" (a "-2", "-3"... before ".bak" when that name is
// taken), and only the n most recent of this ROM's copies are kept. A write is refused when
// its copy cannot be made. Off by default: with the key missing or 0 nothing is copied.
class RomBackup : public IRomWriteGuard {
public:
    static constexpr const char* kSection = "Calvanter";
    static constexpr const char* kKey = "Backup";

    // The local time of a copy; tests pass their own.
    using Clock = std::function<std::tm()>;
    static std::tm localNow();

    RomBackup(NoticeStatusLine& status, Clock clock = localNow);

    // A ROM was opened: its first write makes a copy again (if the setting asks then).
    void startOpening(std::string romPath, std::string settingsFile);

    bool allowWrite(const std::string& path, std::string& refusal) override;

    // Whether this ROM file name followed by a name in the folder is one of the copies made
    // here, and its order among them (earlier copies sort first).
    static bool isBackupName(const std::string& romName, const std::string& name);
    static bool isOlder(const std::string& left, const std::string& right);

private:
    int keptCopies() const;
    bool copyRom(std::string& backupPath, std::string& reason) const;
    void removeOldCopies(int kept, const std::string& justMade) const;

    NoticeStatusLine& m_status;
    Clock m_clock;
    std::string m_romPath;
    std::string m_settingsFile;
    bool m_done = true;
};
