#pragma once

#include "core/GameFamily.h"

#include <cstdint>
#include <span>
#include <string>

// What opening a file says when the file is no ROM or the settings do not know its game:
// what is wrong and what the user can do about it. Whatever the system or the failing page
// has to say follows these texts.

// ASCII letters and digits, as every cartridge's game code is written.
bool looksLikeGameCode(std::span<const std::uint8_t, kGameCodeLength> bytes);

// A file shorter than a cartridge header.
std::string tooShortForRomText(std::int64_t fileSize);
// A file whose bytes at 0xAC are no game code, and Setting.ini has no section named by them.
std::string noGameCodeText(std::int64_t fileSize);
std::string missingSettingsText(const std::string& settingsPath);
std::string missingSectionText(const std::string& gameCode, const std::string& settingsPath);
