#include "tests/win32/driver/RomBytes.h"
#include "tests/win32/driver/Scenarios.h"
#include "tests/win32/driver/Windows.h"

#include <algorithm>
#include <array>

namespace {

// The frame's tool buttons, left to right, in one row of this height.
constexpr std::array<int, 7> kToolButtons = {0x8003, 0x8006, 0x800E, 0x8013, 0x8014, 0x8016, 0x8015};
constexpr int kRowHeight = 50;
// Room each side for the button's edge and a margin. Wine draws a caption up to a pixel from
// the edge; a button on Windows keeps more, so the check asks for more than Wine needs.
constexpr int kLabelInset = 4;

// The lines the caption takes when it is broken at the width, in the default GUI font of
// this prefix, which the program's buttons use.
int linesAtWidth(const std::string& caption, int width)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    RECT lines{0, 0, width, 0};
    DrawTextA(dc, caption.c_str(), -1, &lines, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight > 0 ? (lines.bottom - lines.top) / metrics.tmHeight : 0;
}

} // namespace

void checkToolButtons(Report& report, HWND frame)
{
    int previousRight = 0;
    for (int id : kToolButtons) {
        HWND button = GetDlgItem(frame, id);
        const std::string caption = windowText(button);
        RECT place{};
        GetWindowRect(button, &place);
        MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&place), 2);
        const int intended = static_cast<int>(std::count(caption.begin(), caption.end(), '\n')) + 1;
        const int width = place.right - place.left;
        const int shown = linesAtWidth(caption, width - 2 * kLabelInset);
        std::string oneLine = caption;
        std::replace(oneLine.begin(), oneLine.end(), '\n', '/');
        const std::string where = quoted(oneLine) + ", " + std::to_string(width) + " wide: " + std::to_string(shown) +
                                  " lines";
        report.check(button && shown == intended,
                     "frame: the tool button has room for its caption's lines, whole, with a margin", where);
        report.check(place.top == 0 && place.bottom == kRowHeight && place.left >= previousRight,
                     "frame: the tool button lies in the row, after the one before it", where);
        previousRight = place.right;
    }
}
