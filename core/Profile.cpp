#include "core/Profile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x < 0x80 && y < 0x80 ? std::tolower(x) != std::tolower(y) : x != y)
            return false;
    }
    return true;
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

std::vector<std::string> readLines(const std::string& path, bool& found)
{
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    found = static_cast<bool>(in);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
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

} // namespace

std::string profileReadString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view fallback, std::size_t bufferSize)
{
    std::string result(fallback);
    bool found = false;
    bool inSection = false;
    for (const std::string& line : readLines(path, found)) {
        std::string_view name;
        if (sectionName(line, name)) {
            inSection = equalsIgnoringCase(name, section);
            continue;
        }
        std::string_view lineKey, value;
        if (inSection && keyValue(line, lineKey, value) && equalsIgnoringCase(lineKey, key)) {
            // Quotes around a whole value are dropped, as the system does.
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
                value = value.substr(1, value.size() - 2);
            result = std::string(value);
            break;
        }
    }
    if (bufferSize == 0)
        return {};
    if (result.size() > bufferSize - 1)
        result.resize(bufferSize - 1);
    return result;
}

bool profileWriteString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value)
{
    bool found = false;
    std::vector<std::string> lines = readLines(path, found);
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
            sectionEnd = std::string::npos;
            break;
        }
    }
    if (sectionEnd != std::string::npos) {
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

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    for (const std::string& line : lines)
        out << line << "\r\n";
    return static_cast<bool>(out.flush());
}
