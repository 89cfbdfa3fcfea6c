#pragma once

#include "core/Result.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// One open file for the length of one user action: CreateFileA/ReadFile/WriteFile on
// Windows, open/read/write elsewhere. Never shared, never truncated. Every failure carries
// the system's text for it, so the caller can hand it to the shared error text. A ROM opened
// for writing refuses every write that would touch its cartridge header. A moved-from file is
// closed, and every transfer on it fails. A ROM can also be held in memory, to see what a
// write-out would change before the file is touched.
class RomFile {
public:
    // Existing file only.
    static ResultOf<RomFile> openForReading(const std::string& path);
    // Opens the file if it exists, creates it otherwise; the contents are kept.
    static ResultOf<RomFile> openForWriting(const std::string& path);
    // Existing file only, for reading and writing: a write-out never makes a ROM of its own.
    static ResultOf<RomFile> openForUpdating(const std::string& path);
    // A new file only: fails when the path exists. Not a ROM: its header may be written.
    static ResultOf<RomFile> createNew(const std::string& path);
    // The bytes, which the caller keeps, as a ROM opened for writing: the header refused,
    // and a write past their end fails as on a full disk (the file is not made longer).
    static RomFile inMemory(std::span<std::uint8_t> bytes);

    // Of a file in memory: where each write landed, in the order written.
    struct Stretch {
        std::int64_t start;
        std::int64_t end;
    };
    const std::vector<Stretch>& writtenStretches() const { return m_written; }

    RomFile(RomFile&& other) noexcept;
    RomFile& operator=(RomFile&& other) noexcept;
    RomFile(const RomFile&) = delete;
    RomFile& operator=(const RomFile&) = delete;
    ~RomFile();

    void close();

    Result seek(std::int64_t offset);
    // Reads exactly out.size() bytes; fewer is a failure with an end-of-file text.
    Result read(std::span<std::uint8_t> out);
    // Writes exactly data.size() bytes; fewer is a failure with a disk-full text. On a ROM
    // opened for writing, bytes that would land in the cartridge header are refused whole.
    Result write(std::span<const std::uint8_t> data);
    // seek, then read or write.
    Result readAt(std::int64_t offset, std::span<std::uint8_t> out);
    Result writeAt(std::int64_t offset, std::span<const std::uint8_t> data);
    // Reads up to out.size() bytes: the count.
    ResultOf<std::int64_t> readSome(std::span<std::uint8_t> out);
    ResultOf<std::int64_t> size();

private:
    enum class Creation { OpenOrCreate, ExistingOnly, NewOnly };
    RomFile() = default;
    static ResultOf<RomFile> openKeepingHeader(const std::string& path, Creation creation);
    static ResultOf<RomFile> openWith(const std::string& path, Creation creation);
    bool isOpen() const;
    // The platform's file behind seek, size and close.
    bool hasFile() const;
    Result seekFile(std::int64_t offset);
    ResultOf<std::int64_t> fileSize();
    void closeFile();
    ResultOf<std::int64_t> readBytes(std::span<std::uint8_t> out);
    Result writeBytes(std::span<const std::uint8_t> data);
    ResultOf<std::int64_t> readMemory(std::span<std::uint8_t> out);
    Result writeMemory(std::span<const std::uint8_t> data);
    // After a failed transfer, until the next seek: no write counts as past the header.
    static constexpr std::int64_t kUnknownPosition = -1;

#ifdef _WIN32
    void* m_handle = nullptr;
#else
    int m_fd = -1;
#endif
    bool m_inMemory = false;
    std::span<std::uint8_t> m_memory;
    std::vector<Stretch> m_written;
    bool m_keepsHeader = false;
    // Where the next read or write begins, as this object moved it.
    std::int64_t m_position = 0;
};

// Exactly out.size() bytes of the file at offset, through one open for reading.
Result readFileAt(const std::string& path, std::int64_t offset, std::span<std::uint8_t> out);
// Up to size bytes of the file at offset, through one open for reading: fewer at the end of
// the file; a failure when it cannot be read or holds no byte there.
ResultOf<std::vector<std::uint8_t>> readFileWindow(const std::string& path, std::int64_t offset, std::size_t size);

// Why a write into the cartridge header was refused.
inline constexpr const char* kHeaderWriteRefusedText
    = "カートリッジヘッダー(0x00～0xBF)には書き込めません。アドレスを確かめてください。";

// The system's text for the calling thread's last error, as the status line shows it.
std::string lastSystemErrorText();
// The texts a short read or write stands for.
std::string endOfFileErrorText();
std::string diskFullErrorText();
