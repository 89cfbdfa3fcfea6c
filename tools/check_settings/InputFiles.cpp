#include "tools/check_settings/SettingsCheck.h"

#include "core/GameSettings.h"
#include "core/RomFile.h"
#include "core/TableBuffer.h"

#include <new>

namespace {

// The system's texts end in a line break, as FormatMessage gives them; a report line does not.
std::string systemText(const Result& failure)
{
    std::string text = failure.errorText();
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

CheckReport cannotRun(std::string reason)
{
    CheckReport report;
    report.ran = false;
    report.lines.push_back(std::move(reason));
    return report;
}

Result cannot(const char* action, const std::string& path, const Result& failure)
{
    return Result::failed(std::string("cannot ") + action + " " + path + ": " + systemText(failure));
}

// The whole file.
ResultOf<std::vector<std::uint8_t>> readWholeFile(const std::string& path)
{
    ResultOf<RomFile> file = RomFile::openForReading(path);
    if (!file.ok())
        return cannot("open", path, file.failure());
    const ResultOf<std::int64_t> size = file->size();
    if (!size.ok())
        return cannot("read", path, size.failure());
    // No cartridge is larger; a bigger file is not a ROM and would only cost memory.
    if (static_cast<std::uint64_t>(*size) > kLargestTableBytes)
        return Result::failed(path + " has " + std::to_string(*size) + " bytes, more than the largest cartridge (" +
                              std::to_string(kLargestTableBytes) + " bytes)");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(*size));
    if (Result read = file->readAt(0, bytes); !read.ok())
        return cannot("read", path, read);
    return bytes;
}

} // namespace

CheckReport checkSettingsFiles(const std::string& folder, const std::string& romPath)
{
    const std::string settingsFile = settingsPath(folder);
    // Read here rather than by the profile reader, which takes a missing file for an empty one.
    const ResultOf<std::vector<std::uint8_t>> settings = readWholeFile(settingsFile);
    if (!settings.ok())
        return cannotRun(settings.errorText());
    const ResultOf<std::vector<std::uint8_t>> rom = readWholeFile(romPath);
    if (!rom.ok())
        return cannotRun(rom.errorText());
    const std::string_view text(reinterpret_cast<const char*>(settings->data()), settings->size());
    return checkConfiguration(*rom, std::make_shared<const ProfileFile>(ProfileFile::parse(text)));
}
