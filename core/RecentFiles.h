#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The ROMs opened last, newest first, as the "ファイル" menu lists them and Setting.ini keeps
// them (keys Recent1 to Recent4 of section "Calvanter").
class RecentFiles {
public:
    static constexpr std::size_t kCapacity = 4;

    // The list kept in the settings file; a missing file or key gives fewer entries.
    static RecentFiles load(const std::string& settingsFile);
    // Writes every key, an empty one for a free place; false when the file cannot be written.
    bool save(const std::string& settingsFile) const;

    const std::vector<std::string>& paths() const { return m_paths; }
    // Puts the path first; an entry naming the same file (letters in any case) moves up, and
    // the oldest drops out of a full list.
    void add(const std::string& path);
    void remove(const std::string& path);

private:
    std::vector<std::string> m_paths;
};

// The menu item of the entry at index (from 0): its access number, then the path with each
// '&' doubled so that it shows as written.
std::string recentMenuText(std::size_t index, std::string_view path);

// The ROM path of the program's command line (without the program's own name): the first
// quoted argument, or else the whole line without the blanks around it, so that a path with
// spaces works without quotes too. Empty when there is none.
std::string romPathFromCommandLine(std::string_view commandLine);
