#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The recent ROMs in the frame's "ファイル" menu, just above its last item (the end of the
// program): commands IDM_RECENT_FIRST onward, newest first, then a separator.
void showRecentFiles(HWND frame, const std::vector<std::string>& paths);
