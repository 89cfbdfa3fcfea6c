#pragma once

#include "pages/finder/SettingsFinder.h"

#include <string>

// The finder on the files of a program folder: the ROM read whole, the name lists and the
// trainer pictures beside Setting.ini.
struct FinderRun {
    bool ran = false;
    // Why it could not run: the ROM cannot be read, or holds no game code.
    std::string failure;
    FinderReport report;
};
FinderRun findSettingsFiles(const std::string& folder, const std::string& romPath);

struct SettingsWrite {
    bool done = false;
    // The copy of the old Setting.ini; empty when there was none.
    std::string backupPath;
    // Why nothing was written.
    std::string reason;
};

// Writes the report's keys into the game code's section of <folder>/Setting.ini, keeping
// every other section and key, after a copy of the old file was made beside it; the file is
// replaced only when the new one was written whole.
SettingsWrite writeFoundSettings(const std::string& folder, const FinderReport& report);
