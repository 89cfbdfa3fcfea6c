#include "core/GameSettings.h"

#include "core/NumberParsing.h"
#include "core/Profile.h"

#include <algorithm>
#include <cctype>
#include <limits>

GameSettings::GameSettings(const std::string& path, std::string section)
    : GameSettings(std::make_shared<const ProfileFile>(ProfileFile::load(path)), std::move(section))
{
}

GameSettings::GameSettings(std::shared_ptr<const ProfileFile> profile, std::string section)
    : m_profile(std::move(profile)), m_section(std::move(section))
{
}

std::string GameSettings::text(std::string_view key) const
{
    return m_profile ? m_profile->readString(m_section, key, "", kValueBufferSize) : std::string();
}

std::int32_t GameSettings::offset(std::string_view key) const
{
    std::string value = text(key);
    return value.empty() ? kNotConfigured : parseDecimal(value);
}

std::int32_t GameSettings::count(std::string_view key) const
{
    std::int32_t value = parseDecimal(text(key));
    return value > 0 ? value : 0;
}

WriteArea GameSettings::area(std::string_view key) const
{
    std::string startText = text(key);
    std::string endText = text(std::string(key) + "end");
    if (startText.empty() || endText.empty())
        return {};
    std::int64_t start = parseDecimal(startText);
    std::int64_t end = parseDecimal(endText);
    if (end <= start || end - start > std::numeric_limits<std::int32_t>::max())
        return {};
    return {static_cast<std::int32_t>(start), static_cast<std::int32_t>(end - start)};
}

std::string programFilePath(const std::string& programDirectory, std::string_view fileName)
{
#ifdef _WIN32
    const char separator = '\\';
#else
    const char separator = '/';
#endif
    return programDirectory + separator + std::string(fileName);
}

std::string settingsPath(const std::string& programDirectory)
{
    return programFilePath(programDirectory, "Setting.ini");
}
