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

IRomWriteGuard* g_writeGuard = nullptr;

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
        m_errorText = std::move(other.m_errorText);
        m_keepsHeader = std::exchange(other.m_keepsHeader, false);
        m_position = std::exchange(other.m_position, 0);
    }
    return *this;
}

RomFile::~RomFile()
{
    close();
}

RomFile RomFile::openGuarded(const std::string& path, Creation creation)
{
    std::string refusal;
    if (g_writeGuard && !g_writeGuard->allowWrite(path, refusal)) {
        RomFile refused;
        refused.fail(refusal);
        return refused;
    }
    RomFile file = openWith(path, creation);
    file.m_keepsHeader = true;
    return file;
}

RomFile RomFile::openForWriting(const std::string& path)
{
    return openGuarded(path, Creation::OpenOrCreate);
}

RomFile RomFile::openForUpdating(const std::string& path)
{
    return openGuarded(path, Creation::ExistingOnly);
}

RomFile RomFile::createNew(const std::string& path)
{
    return openWith(path, Creation::NewOnly);
}

void RomFile::setWriteGuard(IRomWriteGuard* guard)
{
    g_writeGuard = guard;
}

IRomWriteGuard* RomFile::writeGuard()
{
    return g_writeGuard;
}

void RomFile::fail(const std::string& text)
{
    m_errorText = text;
}

void RomFile::failWithSystemError()
{
    m_errorText = lastSystemErrorText();
}

#ifdef _WIN32

RomFile RomFile::openForReading(const std::string& path)
{
    RomFile file;
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        file.failWithSystemError();
    else
        file.m_handle = handle;
    return file;
}

RomFile RomFile::openWith(const std::string& path, Creation creation)
{
    RomFile file;
    const DWORD disposition = creation == Creation::NewOnly        ? CREATE_NEW
                              : creation == Creation::ExistingOnly ? OPEN_EXISTING
                                                                   : OPEN_ALWAYS;
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        file.failWithSystemError();
    else
        file.m_handle = handle;
    return file;
}

bool RomFile::isOpen() const
{
    return m_handle != nullptr;
}

void RomFile::close()
{
    if (m_handle) {
        CloseHandle(m_handle);
        m_handle = nullptr;
    }
}

bool RomFile::seek(std::int64_t offset)
{
    if (!m_handle || offset < 0) {
        fail(endOfFileErrorText());
        return false;
    }
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    if (!SetFilePointerEx(m_handle, distance, nullptr, FILE_BEGIN)) {
        failWithSystemError();
        return false;
    }
    m_position = offset;
    return true;
}

std::int64_t RomFile::readBytes(std::span<std::uint8_t> out)
{
    std::int64_t total = 0;
    while (total < static_cast<std::int64_t>(out.size())) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(out.size() - total, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(m_handle, out.data() + total, chunk, &got, nullptr)) {
            failWithSystemError();
            return -1;
        }
        if (got == 0)
            break;
        total += got;
    }
    return total;
}

bool RomFile::writeBytes(std::span<const std::uint8_t> data)
{
    std::size_t total = 0;
    while (total < data.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - total, 1u << 30));
        DWORD put = 0;
        if (!WriteFile(m_handle, data.data() + total, chunk, &put, nullptr)) {
            failWithSystemError();
            return false;
        }
        if (put == 0) {
            fail(diskFullErrorText());
            return false;
        }
        total += put;
    }
    return true;
}

std::int64_t RomFile::size()
{
    LARGE_INTEGER result;
    if (!m_handle || !GetFileSizeEx(m_handle, &result)) {
        failWithSystemError();
        return -1;
    }
    return result.QuadPart;
}

#else

RomFile RomFile::openForReading(const std::string& path)
{
    RomFile file;
    int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        file.failWithSystemError();
    else
        file.m_fd = fd;
    return file;
}

RomFile RomFile::openWith(const std::string& path, Creation creation)
{
    RomFile file;
    const int flags = creation == Creation::NewOnly        ? O_CREAT | O_EXCL
                      : creation == Creation::ExistingOnly ? 0
                                                           : O_CREAT;
    int fd = ::open(path.c_str(), O_RDWR | flags, 0644);
    if (fd < 0)
        file.failWithSystemError();
    else
        file.m_fd = fd;
    return file;
}

bool RomFile::isOpen() const
{
    return m_fd >= 0;
}

void RomFile::close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

bool RomFile::seek(std::int64_t offset)
{
    if (m_fd < 0 || offset < 0) {
        fail(endOfFileErrorText());
        return false;
    }
    if (::lseek(m_fd, static_cast<off_t>(offset), SEEK_SET) < 0) {
        failWithSystemError();
        return false;
    }
    m_position = offset;
    return true;
}

std::int64_t RomFile::readBytes(std::span<std::uint8_t> out)
{
    std::size_t total = 0;
    while (total < out.size()) {
        ssize_t got = ::read(m_fd, out.data() + total, out.size() - total);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            failWithSystemError();
            return -1;
        }
        if (got == 0)
            break;
        total += static_cast<std::size_t>(got);
    }
    return static_cast<std::int64_t>(total);
}

bool RomFile::writeBytes(std::span<const std::uint8_t> data)
{
    std::size_t total = 0;
    while (total < data.size()) {
        ssize_t put = ::write(m_fd, data.data() + total, data.size() - total);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            failWithSystemError();
            return false;
        }
        if (put == 0) {
            fail(diskFullErrorText());
            return false;
        }
        total += static_cast<std::size_t>(put);
    }
    return true;
}

std::int64_t RomFile::size()
{
    struct stat info;
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0) {
        failWithSystemError();
        return -1;
    }
    return static_cast<std::int64_t>(info.st_size);
}

#endif

std::int64_t RomFile::readSome(std::span<std::uint8_t> out)
{
    const std::int64_t got = readBytes(out);
    m_position = got < 0 ? kUnknownPosition : m_position + got;
    return got;
}

bool RomFile::write(std::span<const std::uint8_t> data)
{
    if (m_keepsHeader && !data.empty() && m_position < kCartridgeHeaderSize) {
        fail(kHeaderWriteRefusedText);
        return false;
    }
    if (!writeBytes(data)) {
        m_position = kUnknownPosition;
        return false;
    }
    m_position += static_cast<std::int64_t>(data.size());
    return true;
}

bool RomFile::read(std::span<std::uint8_t> out)
{
    if (!isOpen()) {
        fail(endOfFileErrorText());
        return false;
    }
    std::int64_t got = readSome(out);
    if (got < 0)
        return false;
    if (got < static_cast<std::int64_t>(out.size())) {
        fail(endOfFileErrorText());
        return false;
    }
    return true;
}

std::vector<std::uint8_t> readFileWindow(const std::string& path, std::int64_t offset, std::size_t size,
                                         std::string& errorText)
{
    RomFile file = RomFile::openForReading(path);
    std::vector<std::uint8_t> bytes(size);
    const std::int64_t got = file.isOpen() && file.seek(offset) ? file.readSome(bytes) : -1;
    if (got <= 0) {
        errorText = got == 0 ? endOfFileErrorText() : file.errorText();
        return {};
    }
    bytes.resize(static_cast<std::size_t>(got));
    return bytes;
}
