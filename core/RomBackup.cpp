#include "core/RomBackup.h"

#include "core/FolderFiles.h"
#include "core/GameSettings.h"
#include "core/NumberParsing.h"
#include "core/Profile.h"
#include "core/RomFile.h"
#include "core/ui/NoticeStatusLine.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr std::size_t kCopyBlock = 1 << 20;
constexpr int kMostNamesPerSecond = 99;
// "yyyymmdd-hhmmss"
constexpr std::size_t kStampLength = 15;
constexpr std::size_t kStampDash = 8;
constexpr const char* kExtension = ".bak";
constexpr const char* kCopyFailedText = "バックアップを作成できなかったため、書き込みを中止しました。";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool allDigits(const std::string& text, std::size_t from, std::size_t to)
{
    if (from >= to)
        return false;
    for (std::size_t i = from; i < to; ++i) {
        if (!isDigit(text[i]))
            return false;
    }
    return true;
}

bool samePrefix(const std::string& name, const std::string& prefix)
{
    if (name.size() < prefix.size())
        return false;
#ifdef _WIN32
    // File names on Windows match without regard to ASCII case. Walk by characters: the second
    // byte of a double-byte character is no letter (ア is 83 41, ヂ is 83 61).
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (IsDBCSLeadByte(static_cast<BYTE>(prefix[i])) && i + 1 < prefix.size()) {
            if (prefix.compare(i, 2, name, i, 2) != 0)
                return false;
            ++i;
        } else if (fold(prefix[i]) != fold(name[i])) {
            return false;
        }
    }
    return true;
#else
    return name.compare(0, prefix.size(), prefix) == 0;
#endif
}

// The part after "<ROM name>.": the stamp, then "-n" for a second copy in the same second.
std::string stampAndCounter(const std::string& name)
{
    const std::size_t dot = name.size() - std::char_traits<char>::length(kExtension);
    const std::size_t stampStart = name.rfind('.', dot - 1) + 1;
    return name.substr(stampStart, dot - stampStart);
}

int counterOf(const std::string& stampAndCount)
{
    if (stampAndCount.size() <= kStampLength)
        return 1;
    int value = 0;
    for (std::size_t i = kStampLength + 1; i < stampAndCount.size() && value < 1000000; ++i)
        value = value * 10 + (stampAndCount[i] - '0');
    return value;
}

std::string stampText(const std::tm& time)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", (time.tm_year + 1900) % 10000, (time.tm_mon + 1) % 100,
                  time.tm_mday % 100, time.tm_hour % 100, time.tm_min % 100, time.tm_sec % 100);
    return text;
}

} // namespace

std::tm RomBackup::localNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

void RomBackup::startOpening(std::string romPath, std::string settingsFile)
{
    m_romPath = std::move(romPath);
    m_settingsFile = std::move(settingsFile);
    m_done = false;
}

int RomBackup::keptCopies() const
{
    // Read at each write until a copy is made, so turning the option on or off takes effect
    // without opening the ROM again.
    return std::max(0, parseDecimal(profileReadString(m_settingsFile, kSection, kKey, "", GameSettings::kValueBufferSize)));
}

Result RomBackup::prepareWrite(const std::string& path)
{
    if (m_done || path != m_romPath)
        return {};
    const int kept = keptCopies();
    if (kept == 0)
        return {};
    // A file that is gone has nothing to lose; the write creates it.
    if (!fileExists(path)) {
        m_done = true;
        return {};
    }
    const ResultOf<std::string> backupPath = copyRom();
    if (!backupPath.ok()) {
        const std::string refusal = kCopyFailedText + backupPath.errorText();
        m_status.setText(refusal);
        return Result::failed(refusal);
    }
    m_done = true;
    removeOldCopies(kept, splitPath(*backupPath).name);
    m_status.setNotice("バックアップ「" + *backupPath + "」を作成しました。");
    return {};
}

ResultOf<std::string> RomBackup::copyRom() const
{
    ResultOf<RomFile> source = RomFile::openForReading(m_romPath);
    if (!source.ok())
        return source.failure();
    const std::string base = m_romPath + "." + stampText(m_clock());
    std::string backupPath;
    ResultOf<RomFile> copy = Result::failed("");
    for (int number = 1; number <= kMostNamesPerSecond && !copy.ok(); ++number) {
        backupPath = base;
        if (number > 1)
            backupPath.append("-").append(std::to_string(number));
        backupPath += kExtension;
        copy = RomFile::createNew(backupPath);
        if (!copy.ok() && !fileExists(backupPath))
            return copy.failure();
    }
    if (!copy.ok())
        return copy.failure();
    std::vector<std::uint8_t> block(kCopyBlock);
    for (;;) {
        const ResultOf<std::int64_t> got = source->readSome(block);
        Result copied = got.ok() ? Result() : got.failure();
        if (copied.ok() && *got > 0)
            copied = copy->write(std::span(block.data(), static_cast<std::size_t>(*got)));
        if (!copied.ok()) {
            copy->close();
            removeFile(backupPath);
            return copied;
        }
        if (*got < static_cast<std::int64_t>(block.size()))
            return backupPath;
    }
}

void RomBackup::removeOldCopies(int kept, const std::string& justMade) const
{
    // The copy just made stays whatever its name sorts as; the others make up the rest.
    const std::size_t others = static_cast<std::size_t>(kept) - 1;
    const PathParts rom = splitPath(m_romPath);
    std::vector<std::string> copies;
    for (std::string& name : fileNamesIn(rom.folder)) {
        if (name != justMade && isBackupName(rom.name, name))
            copies.push_back(std::move(name));
    }
    if (copies.size() <= others)
        return;
    std::sort(copies.begin(), copies.end(), isOlder);
    for (std::size_t i = 0; i + others < copies.size(); ++i)
        removeFile(rom.folder + copies[i]);
}

bool RomBackup::isBackupName(const std::string& romName, const std::string& name)
{
    const std::string prefix = romName + ".";
    const std::size_t extensionLength = std::char_traits<char>::length(kExtension);
    if (!samePrefix(name, prefix) || name.size() < prefix.size() + kStampLength + extensionLength ||
        name.compare(name.size() - extensionLength, extensionLength, kExtension) != 0)
        return false;
    const std::size_t stamp = prefix.size();
    const std::size_t end = name.size() - extensionLength;
    if (!allDigits(name, stamp, stamp + kStampDash) || name[stamp + kStampDash] != '-' ||
        !allDigits(name, stamp + kStampDash + 1, stamp + kStampLength))
        return false;
    if (stamp + kStampLength == end)
        return true;
    return name[stamp + kStampLength] == '-' && allDigits(name, stamp + kStampLength + 1, end);
}

bool RomBackup::isOlder(const std::string& left, const std::string& right)
{
    const std::string a = stampAndCounter(left);
    const std::string b = stampAndCounter(right);
    const int order = a.compare(0, kStampLength, b, 0, kStampLength);
    return order != 0 ? order < 0 : counterOf(a) < counterOf(b);
}
