#include "app/RomFileDialog.h"

#include <commdlg.h>

#include <array>
#include <cstring>

namespace {
constexpr std::size_t kPathSize = 260;
constexpr char kFilter[] = "GBA Roms(*.gba)\0*.gba\0All files(*.*)\0*.*\0";
} // namespace

bool chooseRomFile(HWND owner, std::string& path)
{
    std::array<char, kPathSize> buffer{};
    std::strncpy(buffer.data(), path.c_str(), buffer.size() - 1);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFilter;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    dialog.lpstrDefExt = "gba";
    dialog.lpstrTitle = "ROMを指定してください";
    if (!GetOpenFileNameA(&dialog))
        return false;
    path = buffer.data();
    return true;
}
