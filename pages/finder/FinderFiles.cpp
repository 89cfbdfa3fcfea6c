#include "pages/finder/FinderFiles.h"

#include "core/FolderFiles.h"
#include "core/GameFamily.h"
#include "core/GameSettings.h"
#include "core/NameList.h"
#include "core/Profile.h"
#include "core/RomFile.h"
#include "core/TableBuffer.h"
#include "pages/trainer/TrainerPictures.h"

#include <algorithm>
#include <span>
#include <vector>

namespace {

// The trainer page's picture numbers are one byte.
constexpr int kHighestPictureNumber = 255;
// Copies "Setting.ini.bak", "Setting.ini.2.bak", ... up to this many.
constexpr int kMostBackups = 999;

// The system's texts end in a line break; a report line does not.
std::string withoutLineEnd(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

Result cannot(const char* action, const std::string& path, const Result& failure)
{
    return Result::failed(std::string("cannot ") + action + " " + path + ": " + withoutLineEnd(failure.errorText()));
}

// The whole file.
ResultOf<std::vector<std::uint8_t>> readWhole(const std::string& path)
{
    ResultOf<RomFile> file = RomFile::openForReading(path);
    const ResultOf<std::int64_t> size = file.ok() ? file->size() : file.failure();
    if (!size.ok())
        return cannot("read", path, size.failure());
    // No cartridge is larger; a bigger file is not a ROM and would only cost memory.
    if (static_cast<std::uint64_t>(*size) > kLargestTableBytes)
        return Result::failed(path + " has " + std::to_string(*size) + " bytes, more than the largest cartridge");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(*size));
    if (Result read = file->readAt(0, bytes); !read.ok())
        return cannot("read", path, read);
    return bytes;
}

std::optional<std::size_t> listCount(const std::string& folder, const char* name)
{
    std::vector<std::string> entries;
    if (!loadNameList(folder, name, entries))
        return std::nullopt;
    return entries.size();
}

std::optional<int> highestTrainerPicture(const std::string& folder, GameFamily family)
{
    for (int number = kHighestPictureNumber; number >= 0; --number) {
        if (fileExists(trainerPicturePath(folder, family, number)))
            return number;
    }
    return std::nullopt;
}

Result writeNewFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    ResultOf<RomFile> file = RomFile::createNew(path);
    if (!file.ok())
        return cannot("write", path, file.failure());
    if (Result written = file->write(bytes); !written.ok()) {
        file->close();
        removeFile(path);
        return cannot("write", path, written);
    }
    return {};
}

// A game code that can name a section: a line break, a bracket or an equals sign in it
// would write the keys somewhere else than the section the program reads.
bool namesSection(const std::string& gameCode)
{
    return !gameCode.empty() && std::all_of(gameCode.begin(), gameCode.end(), [](char c) {
        return c > ' ' && c < 0x7F && c != '[' && c != ']' && c != '=' && c != ';';
    });
}

// The copy of the old file under the first free name: its path.
ResultOf<std::string> backUp(const std::string& path, const std::vector<std::uint8_t>& old)
{
    for (int number = 1; number <= kMostBackups; ++number) {
        std::string backupPath = path;
        if (number > 1)
            backupPath.append(".").append(std::to_string(number));
        backupPath.append(".bak");
        if (fileExists(backupPath))
            continue;
        if (Result written = writeNewFile(backupPath, old); !written.ok())
            return written;
        return backupPath;
    }
    return Result::failed("no free name for a copy of " + path);
}

} // namespace

ResultOf<FinderReport> findSettingsFiles(const std::string& folder, const std::string& romPath)
{
    const ResultOf<std::vector<std::uint8_t>> read = readWhole(romPath);
    if (!read.ok())
        return read.failure();
    const std::vector<std::uint8_t>& rom = *read;
    if (rom.size() < static_cast<std::size_t>(kGameCodeOffset) + kGameCodeLength)
        return Result::failed(romPath + " holds no game code at 0xAC");
    const std::string gameCode = gameCodeText(std::span(rom).subspan<kGameCodeOffset, kGameCodeLength>());
    if (!namesSection(gameCode))
        return Result::failed(romPath + " holds no game code at 0xAC that can name a section of Setting.ini");
    const GameFamily family = gameFamilyOf(gameCode);
    FinderInputs inputs;
    inputs.lists = {listCount(folder, "effects.ini"), listCount(folder, "tokusei.ini"),
                    listCount(folder, "item.ini")};
    inputs.highestTrainerPicture = highestTrainerPicture(folder, family);
    inputs.pictureFolder = "pics/" + std::string(familyFolderName(family));
    return findSettings(rom, inputs);
}

ResultOf<std::string> writeFoundSettings(const std::string& folder, const FinderReport& report)
{
    const std::string path = settingsPath(folder);
    std::string backupPath;
    if (fileExists(path)) {
        const ResultOf<std::vector<std::uint8_t>> old = readWhole(path);
        if (!old.ok())
            return old.failure();
        const ResultOf<std::string> copy = backUp(path, *old);
        if (!copy.ok())
            return copy.failure();
        backupPath = *copy;
    }
    const std::vector<std::pair<std::string, std::string>> settings = report.settings();
    std::vector<ProfileEntry> entries;
    for (const auto& [key, value] : settings)
        entries.push_back({key, value});
    if (!profileWriteStrings(path, report.gameCode, entries)) {
        const Result failure = cannot("write", path, Result::failed(lastSystemErrorText()));
        // Setting.ini is as it was: its copy would only be a second one.
        if (!backupPath.empty())
            removeFile(backupPath);
        return failure;
    }
    return backupPath;
}
