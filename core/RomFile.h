#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Asked before a file is opened for writing: a refusal leaves the file untouched and becomes
// the opening's error text.
class IRomWriteGuard {
public:
    virtual ~IRomWriteGuard() = default;
    virtual bool allowWrite(const std::string& path, std::string& refusal) = 0;
};

// One open file for the length of one user action: CreateFileA/ReadFile/WriteFile on
// Windows, open/read/write elsewhere. Never shared, never truncated. Every failure keeps
// the system's text for it, so the caller can hand it to the shared error text. A ROM opened
// for writing refuses every write that would touch its cartridge header.
class RomFile {
public:
    // Existing file only.
    static RomFile openForReading(const std::string& path);
    // Opens the file if it exists, creates it otherwise; the contents are kept. The write
    // guard is asked first.
    static RomFile openForWriting(const std::string& path);
    // Existing file only, for reading and writing: a write-out never makes a ROM of its own.
    // The write guard is asked first.
    static RomFile openForUpdating(const std::string& path);
    // A new file only: fails when the path exists. The guard is not asked (backups are made
    // through it).
    static RomFile createNew(const std::string& path);
    // Every write of the process passes the one guard (the session's backup); null for none.
    static void setWriteGuard(IRomWriteGuard* guard);
    static IRomWriteGuard* writeGuard();

    RomFile() = default;
    RomFile(RomFile&& other) noexcept;
    RomFile& operator=(RomFile&& other) noexcept;
    RomFile(const RomFile&) = delete;
    RomFile& operator=(const RomFile&) = delete;
    ~RomFile();

    bool isOpen() const;
    void close();

    bool seek(std::int64_t offset);
    // Reads exactly out.size() bytes; fewer is a failure with an end-of-file text.
    bool read(std::span<std::uint8_t> out);
    // Writes exactly data.size() bytes; fewer is a failure with a disk-full text. On a ROM
    // opened for writing, bytes that would land in the cartridge header are refused whole.
    bool write(std::span<const std::uint8_t> data);
    // Reads up to out.size() bytes; returns the count, or -1 on failure.
    std::int64_t readSome(std::span<std::uint8_t> out);
    std::int64_t size();

    // The system's text for the last failure of this object (empty if none).
    const std::string& errorText() const { return m_errorText; }

private:
    enum class Creation { OpenOrCreate, ExistingOnly, NewOnly };
    static RomFile openGuarded(const std::string& path, Creation creation);
    static RomFile openWith(const std::string& path, Creation creation);
    void fail(const std::string& text);
    void failWithSystemError();
    std::int64_t readBytes(std::span<std::uint8_t> out);
    bool writeBytes(std::span<const std::uint8_t> data);
    // After a failed transfer, until the next seek: no write counts as past the header.
    static constexpr std::int64_t kUnknownPosition = -1;

#ifdef _WIN32
    void* m_handle = nullptr;
#else
    int m_fd = -1;
#endif
    std::string m_errorText;
    bool m_keepsHeader = false;
    // Where the next read or write begins, as this object moved it.
    std::int64_t m_position = 0;
};

// Up to size bytes of the file at offset, through one open for reading: fewer at the end of
// the file; none, with the system's text in errorText, when it cannot be read or holds no byte
// there.
std::vector<std::uint8_t> readFileWindow(const std::string& path, std::int64_t offset, std::size_t size,
                                         std::string& errorText);

// Why a write into the cartridge header was refused.
inline constexpr const char* kHeaderWriteRefusedText
    = "カートリッジヘッダー(0x00～0xBF)には書き込めません。アドレスを確かめてください。";

// The system's text for the calling thread's last error, as the status line shows it.
std::string lastSystemErrorText();
// The texts a short read or write stands for.
std::string endOfFileErrorText();
std::string diskFullErrorText();
