#pragma once

#include "core/Result.h"
#include "pages/finder/SettingsFinder.h"

#include <string>

// The finder on the files of a program folder: the ROM read whole, the name lists and the
// trainer pictures beside Setting.ini. It cannot run when the ROM cannot be read, or holds no
// game code.
ResultOf<FinderReport> findSettingsFiles(const std::string& folder, const std::string& romPath);

// Writes the report's keys into the game code's section of <folder>/Setting.ini, keeping
// every other section and key, after a copy of the old file was made beside it; the file is
// replaced only when the new one was written whole. The path of that copy (empty when there
// was no old file), or why nothing was written.
ResultOf<std::string> writeFoundSettings(const std::string& folder, const FinderReport& report);
