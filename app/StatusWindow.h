#pragma once

#include "app/GotyaWnd.h"
#include "core/ui/StatusLine.h"

#include <windows.h>

// The status bar: a message part and, in its last 110 pixels, the progress bar.
class CStausWnd : public IStatusLine {
public:
    static constexpr int kStatusBarId = 1;
    static constexpr int kProgressWidth = 110;

    void create(HWND frame, HINSTANCE instance);
    // The frame's WM_SIZE lParam.
    void resize(LPARAM size);
    int height() const;

    void setText(std::string_view text) override;
    void setProgress(int position) override;

private:
    void setParts(int width);
    void placeProgressBar();

    CGotyaWnd m_statusBar;
    CGotyaWnd m_progressBar;
};
