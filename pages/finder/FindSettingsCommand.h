#pragma once

#include <string>

class IShell;
class IStatusLine;

// The menu command that makes a ROM's section of Setting.ini: looks for the tables of the
// ROM, shows what it found and what it could not place, and on Yes writes the keys it
// placed into the section (Setting.ini keeps every other section and key, and a copy of the
// old file lies beside it). True when Setting.ini was written: the caller reads the ROM
// again with it.
bool findAndWriteSettings(IShell& shell, IStatusLine& status, const std::string& programDirectory,
                          const std::string& romPath);
