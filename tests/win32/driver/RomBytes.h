#pragma once

#include "tests/win32/driver/Report.h"

#include <cstdint>
#include <string>
#include <vector>

// The ROM file's bytes as the scenarios compare them.
using Bytes = std::vector<std::uint8_t>;

Bytes readFile(const std::string& path);
// A decimal offset of the game's section of Setting.ini; -1 when missing.
long settingOffset(const std::string& settings, const std::string& section, const char* key);
// Puts bytes at an offset; false when they do not fit.
bool patch(Bytes& rom, long at, const Bytes& bytes);
// The first differing offsets, for a failed comparison's detail.
std::string differences(const Bytes& actual, const Bytes& expected);
// Code page 932 text as UTF-8 in quotes, for the report.
std::string quoted(const std::string& cp932);

// Checks that the ROM file holds exactly the expected bytes, naming the first differences.
bool compareFile(Report& report, const std::string& romPath, const Bytes& expected, const std::string& what);
