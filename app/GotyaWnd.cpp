#include "app/GotyaWnd.h"

#include <cstring>

CGotyaWnd::~CGotyaWnd()
{
    deleteFont();
}

void CGotyaWnd::deleteFont()
{
    if (font)
        DeleteObject(font);
    font = nullptr;
}

void CGotyaWnd::setFont(const char* face, int height)
{
    HFONT chosen = nullptr;
    if (std::strcmp(face, "default") != 0) {
        deleteFont();
        font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH, face);
        chosen = font;
    }
    if (!chosen)
        chosen = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (window)
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(chosen), FALSE);
}
