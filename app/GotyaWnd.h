#pragma once

#include <windows.h>

// A child window and the font this wrapper created for it (none for a stock font).
class CGotyaWnd {
public:
    CGotyaWnd() = default;
    virtual ~CGotyaWnd();
    CGotyaWnd(const CGotyaWnd&) = delete;
    CGotyaWnd& operator=(const CGotyaWnd&) = delete;

    // "default" selects the default GUI stock font; any other face creates a font of that
    // height, or falls back to the stock font when it cannot be created.
    void setFont(const char* face, int height);

    HWND window = nullptr;
    HFONT font = nullptr;

private:
    void deleteFont();
};
