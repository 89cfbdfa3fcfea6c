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

// The whole file, or false with the reason.
bool readWhole(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& reason)
{
    RomFile file = RomFile::openForReading(path);
    const std::int64_t size = file.isOpen() ? file.size() : -1;
    if (size < 0) {
        reason = "cannot read " + path + ": " + withoutLineEnd(file.errorText());
        return false;
    }
    // No cartridge is larger; a bigger file is not a ROM and would only cost memory.
    if (static_cast<std::uint64_t>(size) > kLargestTableBytes) {
        reason = path + " has " + std::to_string(size) + " bytes, more than the largest cartridge";
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size));
    if (!file.seek(0) || !file.read(bytes)) {
        reason = "cannot read " + path + ": " + withoutLineEnd(file.errorText());
        return false;
    }
    return true;
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

bool writeNewFile(const std::string& path, std::span<const std::uint8_t> bytes, std::string& reason)
{
    RomFile file = RomFile::createNew(path);
    if (!file.isOpen() || !file.write(bytes)) {
        reason = "cannot write " + path + ": " + withoutLineEnd(file.errorText());
        file.close();
        removeFile(path);
        return false;
    }
    return true;
}

// A game code that can name a section: a line break, a bracket or an equals sign in it
// would write the keys somewhere else than the section the program reads.
bool namesSection(const std::string& gameCode)
{
    return !gameCode.empty() && std::all_of(gameCode.begin(), gameCode.end(), [](char c) {
        return c > ' ' && c < 0x7F && c != '[' && c != ']' && c != '=' && c != ';';
    });
}

// The copy of the old file under the first free name.
bool backUp(const std::string& path, const std::vector<std::uint8_t>& old, std::string& backupPath,
            std::string& reason)
{
    for (int number = 1; number <= kMostBackups; ++number) {
        backupPath = path;
        if (number > 1)
            backupPath.append(".").append(std::to_string(number));
        backupPath.append(".bak");
        if (!fileExists(backupPath))
            return writeNewFile(backupPath, old, reason);
    }
    reason = "no free name for a copy of " + path;
    return false;
}

} // namespace

FinderRun findSettingsFiles(const std::string& folder, const std::string& romPath)
{
    FinderRun run;
    std::vector<std::uint8_t> rom;
    if (!readWhole(romPath, rom, run.failure))
        return run;
    if (rom.size() < static_cast<std::size_t>(kGameCodeOffset) + kGameCodeLength) {
        run.failure = romPath + " holds no game code at 0xAC";
        return run;
    }
    const std::string gameCode = gameCodeText(std::span(rom).subspan<kGameCodeOffset, kGameCodeLength>());
    if (!namesSection(gameCode)) {
        run.failure = romPath + " holds no game code at 0xAC that can name a section of Setting.ini";
        return run;
    }
    const GameFamily family = gameFamilyOf(gameCode);
    FinderInputs inputs;
    inputs.lists = {listCount(folder, "effects.ini"), listCount(folder, "tokusei.ini"),
                    listCount(folder, "item.ini")};
    inputs.highestTrainerPicture = highestTrainerPicture(folder, family);
    inputs.pictureFolder = "pics/" + std::string(familyFolderName(family));
    run.report = findSettings(rom, inputs);
    run.ran = true;
    return run;
}

SettingsWrite writeFoundSettings(const std::string& folder, const FinderReport& report)
{
    SettingsWrite write;
    const std::string path = settingsPath(folder);
    if (fileExists(path)) {
        std::vector<std::uint8_t> old;
        if (!readWhole(path, old, write.reason) || !backUp(path, old, write.backupPath, write.reason))
            return write;
    }
    const std::vector<std::pair<std::string, std::string>> settings = report.settings();
    std::vector<ProfileEntry> entries;
    for (const auto& [key, value] : settings)
        entries.push_back({key, value});
    if (!profileWriteStrings(path, report.gameCode, entries)) {
        write.reason = "cannot write " + path + ": " + withoutLineEnd(lastSystemErrorText());
        // Setting.ini is as it was: its copy would only be a second one.
        if (!write.backupPath.empty())
            removeFile(write.backupPath);
        write.backupPath.clear();
        return write;
    }
    write.done = true;
    return write;
}
