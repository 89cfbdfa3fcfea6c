#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

// The part of GetPrivateProfileStringA / WritePrivateProfileStringA that the program relies
// on, portable: sections and keys match case-insensitively (ASCII letters), values are trimmed
// of blanks and lose quotes around the whole value, the first matching key of the matching
// sections (in file order) wins, and a value longer than the caller's buffer is cut to
// bufferSize - 1 characters.
std::string profileReadString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view fallback, std::size_t bufferSize);

// Writes key=value into the section, creating the file, the section or the key as needed.
// The new contents go to a file beside it, which replaces the file only when it was written
// whole: a failure keeps the old file as it was. Returns false when the file exists but cannot
// be read, or cannot be written.
bool profileWriteString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

struct ProfileEntry {
    std::string_view key;
    std::string_view value;
};
// Several keys of one section in one replacement of the file, as profileWriteString.
bool profileWriteStrings(const std::string& path, std::string_view section, std::span<const ProfileEntry> entries);

// A profile file read once: every key of every section, looked up exactly as
// profileReadString looks it up in the file, without reading the file again. A large
// Setting.ini read key by key costs one pass over the file per key.
class ProfileFile {
public:
    // A missing or unreadable file gives an empty profile, where every key is missing.
    static ProfileFile load(const std::string& path);
    static ProfileFile parse(std::string_view text);

    std::string readString(std::string_view section, std::string_view key, std::string_view fallback,
                           std::size_t bufferSize) const;
    // Whether the section holds a key.
    bool hasSection(std::string_view section) const;

private:
    // By section and key with ASCII letters folded to lower case; the first value of a key.
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> m_sections;
};
