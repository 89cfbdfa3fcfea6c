#include "app/StatusWindow.h"

#include <commctrl.h>

#include <string>

void CStausWnd::create(HWND frame, HINSTANCE instance)
{
    m_statusBar.window = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | CCS_BOTTOM, 0, 0, 0, 0,
                                         frame, reinterpret_cast<HMENU>(kStatusBarId), instance, nullptr);
    if (!m_statusBar.window)
        return;
    RECT client{};
    GetClientRect(frame, &client);
    setParts(client.right - client.left);
    RECT part{};
    SendMessageA(m_statusBar.window, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part));
    m_progressBar.window = CreateWindowExA(0, PROGRESS_CLASSA, "ProgressBar", WS_CHILD | WS_VISIBLE | PBS_SMOOTH,
                                           part.left, part.top, part.right - part.left, part.bottom - part.top,
                                           m_statusBar.window, nullptr, instance, nullptr);
    if (m_progressBar.window) {
        SendMessageA(m_progressBar.window, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
        SendMessageA(m_progressBar.window, PBM_SETSTEP, 1, 0);
        SendMessageA(m_progressBar.window, PBM_SETPOS, 0, 0);
    }
}

void CStausWnd::setParts(int width)
{
    int edges[2] = {width - kProgressWidth, -1};
    SendMessageA(m_statusBar.window, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
}

void CStausWnd::placeProgressBar()
{
    if (!m_progressBar.window)
        return;
    RECT part{};
    SendMessageA(m_statusBar.window, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part));
    MoveWindow(m_progressBar.window, part.left, part.top, part.right - part.left, part.bottom - part.top, TRUE);
}

void CStausWnd::resize(LPARAM size)
{
    if (!m_statusBar.window)
        return;
    const int width = LOWORD(size);
    setParts(width);
    MoveWindow(m_statusBar.window, 0, 0, width, HIWORD(size), TRUE);
    placeProgressBar();
}

int CStausWnd::height() const
{
    if (!m_statusBar.window)
        return 0;
    RECT rect{};
    GetWindowRect(m_statusBar.window, &rect);
    return rect.bottom - rect.top;
}

void CStausWnd::setText(std::string_view text)
{
    if (!m_statusBar.window)
        return;
    const std::string terminated(text);
    SendMessageA(m_statusBar.window, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
}

void CStausWnd::setProgress(int position)
{
    if (m_progressBar.window)
        SendMessageA(m_progressBar.window, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}
