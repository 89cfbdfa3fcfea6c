#include "tools/check_settings/SettingsCheck.h"

#include "core/GameSettings.h"
#include "core/RomFile.h"
#include "core/TableBuffer.h"

#include <new>
#include <optional>

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

// The whole file, or the reason it could not be read.
std::optional<std::vector<std::uint8_t>> readWholeFile(const std::string& path, std::string& reason)
{
    ResultOf<RomFile> file = RomFile::openForReading(path);
    if (!file.ok()) {
        reason = "cannot open " + path + ": " + systemText(file.failure());
        return std::nullopt;
    }
    const ResultOf<std::int64_t> size = file->size();
    if (!size.ok()) {
        reason = "cannot read " + path + ": " + systemText(size.failure());
        return std::nullopt;
    }
    // No cartridge is larger; a bigger file is not a ROM and would only cost memory.
    if (static_cast<std::uint64_t>(*size) > kLargestTableBytes) {
        reason = path + " has " + std::to_string(*size) + " bytes, more than the largest cartridge (" +
                 std::to_string(kLargestTableBytes) + " bytes)";
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(*size));
    if (Result read = file->readAt(0, bytes); !read.ok()) {
        reason = "cannot read " + path + ": " + systemText(read);
        return std::nullopt;
    }
    return bytes;
}

} // namespace

CheckReport checkSettingsFiles(const std::string& folder, const std::string& romPath)
{
    std::string reason;
    const std::string settingsFile = settingsPath(folder);
    // Read here rather than by the profile reader, which takes a missing file for an empty one.
    const std::optional<std::vector<std::uint8_t>> settings = readWholeFile(settingsFile, reason);
    if (!settings)
        return cannotRun(reason);
    const std::optional<std::vector<std::uint8_t>> rom = readWholeFile(romPath, reason);
    if (!rom)
        return cannotRun(reason);
    const std::string_view text(reinterpret_cast<const char*>(settings->data()), settings->size());
    return checkConfiguration(*rom, std::make_shared<const ProfileFile>(ProfileFile::parse(text)));
}
