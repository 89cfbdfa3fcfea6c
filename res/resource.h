// Resource ids shared by the resource script and the program.
#pragma once

#include "core/ui/FrameCommands.h"

#define IDS_APP_TITLE 103
#define IDS_WINDOW_CLASS 109

#define IDD_ABOUTBOX 103
#define IDI_CALVANTER 107
#define IDI_SMALL 108
#define IDC_CALVANTER 109

#define IDM_ABOUT 104
#define IDM_EXIT 105
#define IDM_OPEN_ROM 32771
#define IDM_SHOW_TERMINATOR 32773
#define IDM_SAVE_ROM 32774
#define IDM_FIND_SETTINGS 32791
// The recent ROMs of the file menu, newest first, and the separator below them.
#define IDM_RECENT_FIRST 32800
#define IDM_RECENT_SEPARATOR 32804

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
