#pragma once

#include <windows.h>

// The modal "バージョン情報" box, template 103.
void showAboutBox(HINSTANCE instance, HWND owner);
