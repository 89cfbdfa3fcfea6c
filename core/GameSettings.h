#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// A table offset of -1 means "not configured": neither read nor written.
inline constexpr std::int32_t kNotConfigured = -1;

// A write-out area; start -1 and length 0 when unset. The end is exclusive.
struct WriteArea {
    std::int32_t start = kNotConfigured;
    std::int32_t length = 0;
    bool isSet() const { return start != kNotConfigured; }
};

class ProfileFile;

// One game's section of Setting.ini (the section is named by the game code).
class GameSettings {
public:
    static constexpr std::size_t kValueBufferSize = 30;

    // Reads the file once, now; the keys are then looked up in memory.
    GameSettings(const std::string& path, std::string section);
    // A section of a file read before (the session reads Setting.ini once per ROM); a null
    // profile has no keys.
    GameSettings(std::shared_ptr<const ProfileFile> profile, std::string section);

    // The value as text, at most 29 characters; empty when the key is missing.
    std::string text(std::string_view key) const;
    bool has(std::string_view key) const { return !text(key).empty(); }
    // Present: the decimal value; missing: -1.
    std::int32_t offset(std::string_view key) const;
    // Present and positive: the value; otherwise 0.
    std::int32_t count(std::string_view key) const;
    // Keys "<key>" and "<key>end"; set only when both are present and end > start.
    WriteArea area(std::string_view key) const;

    const std::string& section() const { return m_section; }

private:
    std::shared_ptr<const ProfileFile> m_profile;
    std::string m_section;
};

// "<programDir>\Setting.ini" (a slash elsewhere than Windows).
std::string settingsPath(const std::string& programDirectory);
std::string programFilePath(const std::string& programDirectory, std::string_view fileName);
