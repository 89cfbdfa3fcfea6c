#include "core/Profile.h"

#include "core/FolderFiles.h"

#include <cctype>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

namespace {

unsigned char foldedByte(unsigned char c)
{
    return c < 0x80 ? static_cast<unsigned char>(std::tolower(c)) : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldedByte(static_cast<unsigned char>(a[i])) != foldedByte(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// Equal under equalsIgnoringCase exactly when the folded texts are equal.
std::string folded(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(foldedByte(static_cast<unsigned char>(c)));
    return result;
}

std::string_view trim(std::string_view text)
{
    const char* blanks = " \t\r\n";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

// A missing file reads as an empty one.
std::string readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Lines end at '\n'; a '\r' before it goes with the end.
template <typename Visit>
void forEachLine(std::string_view text, Visit visit)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        std::string_view line = text.substr(start, (end == std::string_view::npos ? text.size() : end) - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        visit(line);
        start = next;
    }
}

// A missing file reads as an empty one; a file that is there but cannot be read gives nothing,
// so that it is never replaced by the few keys written into it.
std::optional<std::vector<std::string>> readLines(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return fileExists(path) ? std::nullopt : std::optional(std::vector<std::string>());
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return std::nullopt;
    std::vector<std::string> lines;
    forEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

// The lines go to "<path>.new", which then takes the file's place.
bool replaceLines(const std::string& path, const std::vector<std::string>& lines)
{
    const std::string written = path + ".new";
    {
        std::ofstream out(written, std::ios::binary | std::ios::trunc);
        for (const std::string& line : lines)
            out << line << "\r\n";
        if (out.flush() && (out.close(), !out.fail()) && replaceFile(written, path))
            return true;
    }
    removeFile(written);
    return false;
}

// "[name]" gives name; anything else is not a section header.
bool sectionName(std::string_view line, std::string_view& name)
{
    std::string_view text = trim(line);
    if (text.size() < 2 || text.front() != '[')
        return false;
    std::size_t close = text.find(']');
    if (close == std::string_view::npos)
        return false;
    name = trim(text.substr(1, close - 1));
    return true;
}

bool keyValue(std::string_view line, std::string_view& key, std::string_view& value)
{
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    key = trim(line.substr(0, equals));
    value = trim(line.substr(equals + 1));
    return true;
}

// Quotes around a whole value are dropped, as the system does.
std::string_view unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// Every key line that stands in a section, in file order, with the name of its section.
// Lines before the first section header belong to none.
template <typename Visit>
void forEachKey(std::string_view text, Visit visit)
{
    bool inSection = false;
    std::string_view section;
    forEachLine(text, [&](std::string_view line) {
        std::string_view name;
        if (sectionName(line, name)) {
            inSection = true;
            section = name;
            return;
        }
        std::string_view key, value;
        if (inSection && keyValue(line, key, value))
            visit(section, key, unquoted(value));
    });
}

std::string cutToBuffer(std::string value, std::size_t bufferSize)
{
    if (bufferSize == 0)
        return {};
    if (value.size() > bufferSize - 1)
        value.resize(bufferSize - 1);
    return value;
}

} // namespace

std::string profileReadString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view fallback, std::size_t bufferSize)
{
    const std::string text = readWholeFile(path);
    std::optional<std::string_view> match;
    forEachKey(text, [&](std::string_view lineSection, std::string_view lineKey, std::string_view value) {
        if (!match && equalsIgnoringCase(lineSection, section) && equalsIgnoringCase(lineKey, key))
            match = value;
    });
    return cutToBuffer(std::string(match.value_or(fallback)), bufferSize);
}

namespace {

// Puts key=value into the section of the lines, creating the section or the key as needed.
void setKey(std::vector<std::string>& lines, std::string_view section, std::string_view key, std::string_view value)
{
    std::string entry = std::string(key) + "=" + std::string(value);

    bool inSection = false;
    std::size_t sectionEnd = lines.size();
    bool sectionSeen = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view name;
        if (sectionName(lines[i], name)) {
            if (inSection) {
                sectionEnd = i;
                break;
            }
            inSection = equalsIgnoringCase(name, section);
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        std::string_view lineKey, lineValue;
        if (inSection && keyValue(lines[i], lineKey, lineValue) && equalsIgnoringCase(lineKey, key)) {
            lines[i] = entry;
            return;
        }
    }
    if (sectionSeen) {
        // Keep the new key next to the section's last non-empty line.
        std::size_t at = sectionEnd;
        while (at > 0 && trim(lines[at - 1]).empty())
            --at;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
    } else {
        lines.push_back(std::string("[").append(section).append("]"));
        lines.push_back(entry);
    }
}

} // namespace

bool profileWriteString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value)
{
    const ProfileEntry entry{key, value};
    return profileWriteStrings(path, section, std::span(&entry, 1));
}

bool profileWriteStrings(const std::string& path, std::string_view section, std::span<const ProfileEntry> entries)
{
    std::optional<std::vector<std::string>> lines = readLines(path);
    if (!lines)
        return false;
    for (const ProfileEntry& entry : entries)
        setKey(*lines, section, entry.key, entry.value);
    return replaceLines(path, *lines);
}

ProfileFile ProfileFile::load(const std::string& path)
{
    return parse(readWholeFile(path));
}

ProfileFile ProfileFile::parse(std::string_view text)
{
    ProfileFile profile;
    forEachKey(text, [&](std::string_view section, std::string_view key, std::string_view value) {
        profile.m_sections[folded(section)].try_emplace(folded(key), value);
    });
    return profile;
}

std::string ProfileFile::readString(std::string_view section, std::string_view key, std::string_view fallback,
                                    std::size_t bufferSize) const
{
    std::string_view result = fallback;
    if (auto keys = m_sections.find(folded(section)); keys != m_sections.end()) {
        if (auto found = keys->second.find(folded(key)); found != keys->second.end())
            result = found->second;
    }
    return cutToBuffer(std::string(result), bufferSize);
}

bool ProfileFile::hasSection(std::string_view section) const
{
    return m_sections.contains(folded(section));
}
