#include "core/PageContext.h"

#include "core/Profile.h"

#include <algorithm>

std::string PageContext::programFile(std::string_view name) const
{
    return programFilePath(m_programDirectory, name);
}

std::string PageContext::settingsFile() const
{
    return settingsPath(m_programDirectory);
}

GameSettings PageContext::gameSettings(const std::string& section) const
{
    if (m_settings)
        return GameSettings(m_settings, section);
    return GameSettings(settingsFile(), section);
}

void PageContext::setErrorText(std::string_view text)
{
    m_errorText.assign(text.substr(0, std::min(text.size(), kErrorTextSize - 1)));
}

ResultOf<RomFile> PageContext::openRomForWriting()
{
    return openRomAfterBackup(RomFile::openForUpdating);
}

Result PageContext::writeRomAt(std::int64_t offset, std::span<const std::uint8_t> bytes)
{
    ResultOf<RomFile> file = openRomForWriting();
    return file.ok() ? file->writeAt(offset, bytes) : file.failure();
}

ResultOf<RomFile> PageContext::openRomForSaving()
{
    return openRomAfterBackup(RomFile::openForWriting);
}

ResultOf<RomFile> PageContext::openRomAfterBackup(ResultOf<RomFile> (*open)(const std::string&))
{
    Result ready = m_backup.prepareWrite(m_romPath);
    if (!ready.ok())
        return ready;
    return open(m_romPath);
}
