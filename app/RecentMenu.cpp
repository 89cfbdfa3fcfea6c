#include "app/RecentMenu.h"

#include "core/RecentFiles.h"
#include "res/resource.h"

void showRecentFiles(HWND frame, const std::vector<std::string>& paths)
{
    HMENU menu = GetMenu(frame);
    if (!menu)
        return;
    for (UINT id = IDM_RECENT_FIRST; id <= IDM_RECENT_SEPARATOR; ++id)
        DeleteMenu(menu, id, MF_BYCOMMAND);
    for (std::size_t i = 0; i < paths.size() && i < RecentFiles::kCapacity; ++i)
        InsertMenuA(menu, IDM_EXIT, MF_BYCOMMAND | MF_STRING, IDM_RECENT_FIRST + i, recentMenuText(i, paths[i]).c_str());
    if (!paths.empty())
        InsertMenuA(menu, IDM_EXIT, MF_BYCOMMAND | MF_SEPARATOR, IDM_RECENT_SEPARATOR, nullptr);
}
