#include "app/ProgramDirectory.h"

#include "core/FolderFiles.h"

#include <windows.h>

#include <array>

std::string programDirectory()
{
    std::array<char, MAX_PATH> path{};
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length > 0 && length < path.size()) {
        std::string folder = splitPath(std::string(path.data(), length)).folder;
        if (folder.size() > 1) {
            folder.pop_back();
            return folder;
        }
    }
    GetCurrentDirectoryA(static_cast<DWORD>(path.size()), path.data());
    return path.data();
}
