#pragma once

#include "core/Result.h"

#include <ctime>
#include <functional>
#include <string>
#include <utility>

class IStatusLine;
class NoticeStatusLine;

// A copy of the ROM file before the first write of each opening, when Setting.ini asks for
// it ([Calvanter] Backup=n, n > 0): the copy lies beside the ROM as
// "<ROM file name>.<yyyymmdd>-<hhmmss>.bak" (a "-2", "-3"... before ".bak" when that name is
// taken), and only the n most recent of this ROM's copies are kept. A write is refused when
// its copy cannot be made. Off by default: with the key missing or 0 nothing is copied.
// The session asks it before every opening of its ROM for writing; the file access itself
// knows nothing of it.
class RomBackup {
public:
    static constexpr const char* kSection = "Calvanter";
    static constexpr const char* kKey = "Backup";

    // The local time that names a copy; tests fix it.
    using Clock = std::function<std::tm()>;
    static std::tm localNow();

    explicit RomBackup(NoticeStatusLine& status) : m_status(status) {}
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // A ROM was opened: its first write makes a copy again (if the setting asks then).
    void startOpening(std::string romPath, std::string settingsFile);

    // Before the file at path is opened for writing: makes the copy this opening still owes.
    // Fails with the refusal, also shown on the status line, when the copy could not be made:
    // then nothing may be written. Any file but the opened ROM needs no copy.
    Result prepareWrite(const std::string& path);

    // Whether this ROM file name followed by a name in the folder is one of the copies made
    // here, and its order among them (earlier copies sort first).
    static bool isBackupName(const std::string& romName, const std::string& name);
    static bool isOlder(const std::string& left, const std::string& right);

private:
    int keptCopies() const;
    // The path of the copy made.
    ResultOf<std::string> copyRom() const;
    void removeOldCopies(int kept, const std::string& justMade) const;

    NoticeStatusLine& m_status;
    Clock m_clock = localNow;
    std::string m_romPath;
    std::string m_settingsFile;
    bool m_done = true;
};
