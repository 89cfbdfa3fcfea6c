#include "tests/support/TestFiles.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
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
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempDir::file(std::string_view name) const
{
    return m_path + "/" + std::string(name);
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

ReadOnlyFile::ReadOnlyFile(std::string path) : m_path(std::move(path))
{
    chmod(m_path.c_str(), 0444);
    if (geteuid() == 0) {
        std::string command = "chattr +i '" + m_path + "' 2>/dev/null";
        m_immutable = std::system(command.c_str()) == 0;
    }
    int fd = ::open(m_path.c_str(), O_RDWR);
    m_readOnly = fd < 0;
    if (fd >= 0)
        ::close(fd);
}

ReadOnlyFile::~ReadOnlyFile()
{
    if (m_immutable) {
        std::string command = "chattr -i '" + m_path + "' 2>/dev/null";
        [[maybe_unused]] int ignored = std::system(command.c_str());
    }
    chmod(m_path.c_str(), 0644);
}
