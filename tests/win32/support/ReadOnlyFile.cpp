// The Windows definition of ReadOnlyFile (tests/support/TestFiles.h): the read-only attribute.
#include "tests/support/TestFiles.h"

#include <windows.h>

ReadOnlyFile::ReadOnlyFile(std::string path) : m_path(std::move(path))
{
    SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_READONLY);
    HANDLE handle = CreateFileA(m_path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    m_readOnly = handle == INVALID_HANDLE_VALUE;
    if (!m_readOnly)
        CloseHandle(handle);
}

ReadOnlyFile::~ReadOnlyFile()
{
    SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_NORMAL);
}
