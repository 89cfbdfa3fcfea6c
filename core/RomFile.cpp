#include "core/RomFile.h"

#include "core/GameFamily.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <utility>

namespace {

#ifdef _WIN32
std::string systemText(DWORD code)
{
    char buffer[201] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                  code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), buffer,
                                  sizeof buffer - 1, nullptr);
    return std::string(buffer, length);
}
#else
std::string systemText(int code)
{
    return std::string(std::strerror(code)) + "\r\n";
}
#endif

} // namespace

std::string lastSystemErrorText()
{
#ifdef _WIN32
    return systemText(GetLastError());
#else
    return systemText(errno);
#endif
}

std::string endOfFileErrorText()
{
#ifdef _WIN32
    return systemText(ERROR_HANDLE_EOF);
#else
    return "ファイルの終わりに到達しました。\r\n";
#endif
}

std::string diskFullErrorText()
{
#ifdef _WIN32
    return systemText(ERROR_DISK_FULL);
#else
    return systemText(ENOSPC);
#endif
}

namespace {

Result systemFailure()
{
    return Result::failed(lastSystemErrorText());
}

Result endOfFile()
{
    return Result::failed(endOfFileErrorText());
}

} // namespace

RomFile::RomFile(RomFile&& other) noexcept
{
    *this = std::move(other);
}

RomFile& RomFile::operator=(RomFile&& other) noexcept
{
    if (this != &other) {
        close();
#ifdef _WIN32
        m_handle = std::exchange(other.m_handle, nullptr);
#else
        m_fd = std::exchange(other.m_fd, -1);
#endif
        m_inMemory = std::exchange(other.m_inMemory, false);
        m_memory = std::exchange(other.m_memory, {});
        m_written = std::move(other.m_written);
        m_keepsHeader = std::exchange(other.m_keepsHeader, false);
        m_position = std::exchange(other.m_position, 0);
    }
    return *this;
}

RomFile::~RomFile()
{
    close();
}

ResultOf<RomFile> RomFile::openKeepingHeader(const std::string& path, Creation creation)
{
    ResultOf<RomFile> file = openWith(path, creation);
    if (file.ok())
        file->m_keepsHeader = true;
    return file;
}

ResultOf<RomFile> RomFile::openForWriting(const std::string& path)
{
    return openKeepingHeader(path, Creation::OpenOrCreate);
}

ResultOf<RomFile> RomFile::openForUpdating(const std::string& path)
{
    return openKeepingHeader(path, Creation::ExistingOnly);
}

ResultOf<RomFile> RomFile::createNew(const std::string& path)
{
    return openWith(path, Creation::NewOnly);
}

RomFile RomFile::inMemory(std::span<std::uint8_t> bytes)
{
    RomFile file;
    file.m_inMemory = true;
    file.m_memory = bytes;
    file.m_keepsHeader = true;
    return file;
}

#ifdef _WIN32

ResultOf<RomFile> RomFile::openForReading(const std::string& path)
{
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return systemFailure();
    RomFile file;
    file.m_handle = handle;
    return file;
}

ResultOf<RomFile> RomFile::openWith(const std::string& path, Creation creation)
{
    const DWORD disposition = creation == Creation::NewOnly        ? CREATE_NEW
                              : creation == Creation::ExistingOnly ? OPEN_EXISTING
                                                                   : OPEN_ALWAYS;
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return systemFailure();
    RomFile file;
    file.m_handle = handle;
    return file;
}

bool RomFile::hasFile() const
{
    return m_handle != nullptr;
}

void RomFile::closeFile()
{
    if (m_handle) {
        CloseHandle(m_handle);
        m_handle = nullptr;
    }
}

Result RomFile::seekFile(std::int64_t offset)
{
    if (!m_handle || offset < 0)
        return endOfFile();
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    if (!SetFilePointerEx(m_handle, distance, nullptr, FILE_BEGIN))
        return systemFailure();
    m_position = offset;
    return {};
}

ResultOf<std::int64_t> RomFile::readBytes(std::span<std::uint8_t> out)
{
    std::int64_t total = 0;
    while (total < static_cast<std::int64_t>(out.size())) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(out.size() - total, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(m_handle, out.data() + total, chunk, &got, nullptr))
            return systemFailure();
        if (got == 0)
            break;
        total += got;
    }
    return total;
}

Result RomFile::writeBytes(std::span<const std::uint8_t> data)
{
    std::size_t total = 0;
    while (total < data.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - total, 1u << 30));
        DWORD put = 0;
        if (!WriteFile(m_handle, data.data() + total, chunk, &put, nullptr))
            return systemFailure();
        if (put == 0)
            return Result::failed(diskFullErrorText());
        total += put;
    }
    return {};
}

ResultOf<std::int64_t> RomFile::fileSize()
{
    LARGE_INTEGER result;
    if (!m_handle || !GetFileSizeEx(m_handle, &result))
        return systemFailure();
    return static_cast<std::int64_t>(result.QuadPart);
}

#else

ResultOf<RomFile> RomFile::openForReading(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return systemFailure();
    RomFile file;
    file.m_fd = fd;
    return file;
}

ResultOf<RomFile> RomFile::openWith(const std::string& path, Creation creation)
{
    const int flags = creation == Creation::NewOnly        ? O_CREAT | O_EXCL
                      : creation == Creation::ExistingOnly ? 0
                                                           : O_CREAT;
    int fd = ::open(path.c_str(), O_RDWR | flags, 0644);
    if (fd < 0)
        return systemFailure();
    RomFile file;
    file.m_fd = fd;
    return file;
}

bool RomFile::hasFile() const
{
    return m_fd >= 0;
}

void RomFile::closeFile()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

Result RomFile::seekFile(std::int64_t offset)
{
    if (m_fd < 0 || offset < 0)
        return endOfFile();
    if (::lseek(m_fd, static_cast<off_t>(offset), SEEK_SET) < 0)
        return systemFailure();
    m_position = offset;
    return {};
}

ResultOf<std::int64_t> RomFile::readBytes(std::span<std::uint8_t> out)
{
    std::size_t total = 0;
    while (total < out.size()) {
        ssize_t got = ::read(m_fd, out.data() + total, out.size() - total);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return systemFailure();
        }
        if (got == 0)
            break;
        total += static_cast<std::size_t>(got);
    }
    return static_cast<std::int64_t>(total);
}

Result RomFile::writeBytes(std::span<const std::uint8_t> data)
{
    std::size_t total = 0;
    while (total < data.size()) {
        ssize_t put = ::write(m_fd, data.data() + total, data.size() - total);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return systemFailure();
        }
        if (put == 0)
            return Result::failed(diskFullErrorText());
        total += static_cast<std::size_t>(put);
    }
    return {};
}

ResultOf<std::int64_t> RomFile::fileSize()
{
    struct stat info;
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0)
        return systemFailure();
    return static_cast<std::int64_t>(info.st_size);
}

#endif

bool RomFile::isOpen() const
{
    return m_inMemory || hasFile();
}

void RomFile::close()
{
    m_inMemory = false;
    m_memory = {};
    closeFile();
}

Result RomFile::seek(std::int64_t offset)
{
    if (!m_inMemory)
        return seekFile(offset);
    if (offset < 0)
        return endOfFile();
    m_position = offset;
    return {};
}

ResultOf<std::int64_t> RomFile::size()
{
    return m_inMemory ? static_cast<std::int64_t>(m_memory.size()) : fileSize();
}

ResultOf<std::int64_t> RomFile::readMemory(std::span<std::uint8_t> out)
{
    const auto size = static_cast<std::int64_t>(m_memory.size());
    if (m_position < 0 || m_position >= size)
        return std::int64_t{0};
    const std::int64_t count = std::min(size - m_position, static_cast<std::int64_t>(out.size()));
    std::copy_n(m_memory.begin() + m_position, count, out.begin());
    return count;
}

Result RomFile::writeMemory(std::span<const std::uint8_t> data)
{
    const auto room = static_cast<std::int64_t>(m_memory.size()) - m_position;
    if (m_position < 0 || static_cast<std::int64_t>(data.size()) > room)
        return Result::failed(diskFullErrorText());
    std::copy(data.begin(), data.end(), m_memory.begin() + m_position);
    if (!data.empty())
        m_written.push_back({m_position, m_position + static_cast<std::int64_t>(data.size())});
    return {};
}

ResultOf<std::int64_t> RomFile::readSome(std::span<std::uint8_t> out)
{
    if (!isOpen())
        return endOfFile();
    ResultOf<std::int64_t> got = m_inMemory ? readMemory(out) : readBytes(out);
    m_position = got.ok() ? m_position + *got : kUnknownPosition;
    return got;
}

Result RomFile::write(std::span<const std::uint8_t> data)
{
    if (!isOpen())
        return endOfFile();
    if (m_keepsHeader && !data.empty() && m_position < kCartridgeHeaderSize)
        return Result::failed(kHeaderWriteRefusedText);
    Result written = m_inMemory ? writeMemory(data) : writeBytes(data);
    m_position = written.ok() ? m_position + static_cast<std::int64_t>(data.size()) : kUnknownPosition;
    return written;
}

Result RomFile::read(std::span<std::uint8_t> out)
{
    ResultOf<std::int64_t> got = readSome(out);
    if (!got.ok())
        return got.failure();
    if (*got < static_cast<std::int64_t>(out.size()))
        return endOfFile();
    return {};
}

Result RomFile::readAt(std::int64_t offset, std::span<std::uint8_t> out)
{
    Result moved = seek(offset);
    return moved.ok() ? read(out) : moved;
}

Result RomFile::writeAt(std::int64_t offset, std::span<const std::uint8_t> data)
{
    Result moved = seek(offset);
    return moved.ok() ? write(data) : moved;
}

Result readFileAt(const std::string& path, std::int64_t offset, std::span<std::uint8_t> out)
{
    ResultOf<RomFile> file = RomFile::openForReading(path);
    return file.ok() ? file->readAt(offset, out) : file.failure();
}

ResultOf<std::vector<std::uint8_t>> readFileWindow(const std::string& path, std::int64_t offset, std::size_t size)
{
    ResultOf<RomFile> file = RomFile::openForReading(path);
    if (!file.ok())
        return file.failure();
    if (Result moved = file->seek(offset); !moved.ok())
        return moved;
    std::vector<std::uint8_t> bytes(size);
    ResultOf<std::int64_t> got = file->readSome(bytes);
    if (!got.ok())
        return got.failure();
    if (*got == 0)
        return endOfFile();
    bytes.resize(static_cast<std::size_t>(*got));
    return bytes;
}
