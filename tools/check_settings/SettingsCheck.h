#pragma once

#include "core/Profile.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

inline constexpr int kExitClean = 0;
inline constexpr int kExitProblemsFound = 1;
inline constexpr int kExitCannotRun = 2;

// What the check found: the lines to print (code page 932, for the game's names) and the
// number of problem lines among them.
struct CheckReport {
    std::vector<std::string> lines;
    std::size_t problemCount = 0;
    // False when the check could not run; the last line says why.
    bool ran = true;

    int exitStatus() const;
};

// The game code at 0xAC, up to its first zero byte, as the ROM session reads it; empty
// when the ROM is too short to hold one.
std::string romGameCode(std::span<const std::uint8_t> rom);

// Checks every table of the game code's section against the ROM's bytes. Only reads.
CheckReport checkConfiguration(std::span<const std::uint8_t> rom, std::shared_ptr<const ProfileFile> profile);

// Reads <folder>/Setting.ini and the ROM file whole, then checks them.
CheckReport checkSettingsFiles(const std::string& folder, const std::string& romPath);
