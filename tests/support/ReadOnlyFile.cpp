// The POSIX definition of ReadOnlyFile (tests/support/TestFiles.h). Root ignores the mode
// bits, so it also marks the file immutable where the file system allows it.
#include "tests/support/TestFiles.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
