#include "tests/support/TestFiles.h"

#include "core/FolderFiles.h"
#include "core/GameSettings.h"
#include "core/Profile.h"
#include "core/RomBackup.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

TempDir::TempDir()
{
    std::random_device random;
    auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / ("calvanter-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) {
            m_path = candidate.string();
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir()
{
    // A file a test made read-only must not keep the folder from going.
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path, ignored))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempDir::file(std::string_view name) const
{
    return (std::filesystem::path(m_path) / name).string();
}

void writeFile(const std::string& path, std::string_view contents)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> backupsOf(const std::string& romPath)
{
    const PathParts rom = splitPath(romPath);
    std::vector<std::string> found;
    for (std::string& name : fileNamesIn(rom.folder)) {
        if (RomBackup::isBackupName(rom.name, name))
            found.push_back(rom.folder + name);
    }
    std::sort(found.begin(), found.end());
    return found;
}

bool keepBackups(const std::string& folder, int count)
{
    return profileWriteString(settingsPath(folder), RomBackup::kSection, RomBackup::kKey, std::to_string(count));
}
