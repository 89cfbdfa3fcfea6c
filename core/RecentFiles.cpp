#include "core/RecentFiles.h"

#include "core/Profile.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::string_view kSection = "Calvanter";
constexpr std::array<std::string_view, RecentFiles::kCapacity> kKeys = {"Recent1", "Recent2", "Recent3", "Recent4"};
// Long enough for any path the system's narrow calls accept.
constexpr std::size_t kValueSize = 1024;

char foldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isLeadByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// File names on Windows ignore the case of ASCII letters; a double-byte character of code
// page 932 (whose trail byte may look like a letter) must match byte for byte.
bool samePath(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (isLeadByte(a[i]) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
            ++i;
        } else if (foldAscii(a[i]) != foldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

RecentFiles RecentFiles::load(const std::string& settingsFile)
{
    const ProfileFile profile = ProfileFile::load(settingsFile);
    RecentFiles recent;
    for (std::string_view key : kKeys) {
        std::string path = profile.readString(kSection, key, "", kValueSize);
        if (!path.empty() && recent.m_paths.end() == std::find_if(recent.m_paths.begin(), recent.m_paths.end(),
                                                                  [&](const auto& p) { return samePath(p, path); }))
            recent.m_paths.push_back(std::move(path));
    }
    return recent;
}

bool RecentFiles::save(const std::string& settingsFile) const
{
    std::array<ProfileEntry, kCapacity> entries;
    for (std::size_t i = 0; i < kCapacity; ++i)
        entries[i] = {kKeys[i], i < m_paths.size() ? std::string_view(m_paths[i]) : std::string_view()};
    return profileWriteStrings(settingsFile, kSection, entries);
}

void RecentFiles::add(const std::string& path)
{
    if (path.empty())
        return;
    remove(path);
    m_paths.insert(m_paths.begin(), path);
    if (m_paths.size() > kCapacity)
        m_paths.resize(kCapacity);
}

void RecentFiles::remove(const std::string& path)
{
    std::erase_if(m_paths, [&](const std::string& entry) { return samePath(entry, path); });
}

std::string recentMenuText(std::size_t index, std::string_view path)
{
    std::string text = "&";
    text += std::to_string(index + 1);
    text += ' ';
    for (char c : path) {
        text += c;
        // '&' (0x26) is never the trail byte of a double-byte character.
        if (c == '&')
            text += '&';
    }
    return text;
}

std::string romPathFromCommandLine(std::string_view commandLine)
{
    std::size_t start = 0;
    while (start < commandLine.size() && isBlank(commandLine[start]))
        ++start;
    std::size_t end = commandLine.size();
    // '"' (0x22) is never the trail byte of a double-byte character.
    if (start < end && commandLine[start] == '"') {
        ++start;
        end = std::min(commandLine.find('"', start), commandLine.size());
    }
    while (end > start && isBlank(commandLine[end - 1]))
        --end;
    return std::string(commandLine.substr(start, end - start));
}
