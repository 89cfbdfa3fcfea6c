#pragma once

#include "core/ui/StatusLine.h"
#include "tools/console/Utf8.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A fresh folder under the system's temporary directory, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(std::string_view name) const;

private:
    std::string m_path;
};

void writeFile(const std::string& path, std::string_view contents);
void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> readBytes(const std::string& path);
std::string readText(const std::string& path);
// The names of the backups of a ROM in its folder ("<ROM name>.<date>-<time>.bak").
std::vector<std::string> backupsOf(const std::string& romPath);
// Turns the backups on in the folder's Setting.ini, keeping this many (0 turns them off);
// false when Setting.ini cannot be written.
[[nodiscard]] bool keepBackups(const std::string& folder, int count);

// A status line that keeps what it was told.
class RecordingStatusLine : public IStatusLine {
public:
    void setText(std::string_view text) override { texts.emplace_back(text); }
    void setProgress(int position) override { progress.push_back(position); }
    std::string last() const { return texts.empty() ? std::string() : texts.back(); }

    std::vector<std::string> texts;
    std::vector<int> progress;
};

// Makes a file unwritable for the length of a test: chmod, and for root (who writes
// read-only files anyway) the immutable attribute. isReadOnly() tells whether it worked.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(std::string path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    bool isReadOnly() const { return m_readOnly; }

private:
    std::string m_path;
    bool m_immutable = false;
    bool m_readOnly = false;
};
