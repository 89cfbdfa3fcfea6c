#include "tests/win32/driver/ScreenPixels.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kColourBits = 0x00FFFFFF;

// The bitmap's pixels through a 32-bit top-down copy.
Pixels pixelsOf(HDC dc, HBITMAP bitmap, int width, int height)
{
    Pixels pixels{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    BITMAPINFO rows{};
    rows.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    if (GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.rows.data(), &rows, DIB_RGB_COLORS) != height)
        return {};
    for (std::uint32_t& pixel : pixels.rows)
        pixel &= kColourBits;
    return pixels;
}

std::string sizeText(int width, int height)
{
    return std::to_string(width) + "x" + std::to_string(height);
}

} // namespace

// From the screen: another process's window cannot be made to paint into the driver's
// device context under Wine.
Pixels shownInside(HWND control)
{
    RECT inside{};
    if (!GetClientRect(control, &inside) || inside.right <= 0 || inside.bottom <= 0)
        return {};
    POINT origin{0, 0};
    ClientToScreen(control, &origin);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, inside.right, inside.bottom);
    Pixels pixels;
    if (bitmap) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        const bool copied = BitBlt(memory, 0, 0, inside.right, inside.bottom, screen, origin.x, origin.y, SRCCOPY);
        SelectObject(memory, previous);
        if (copied)
            pixels = pixelsOf(screen, bitmap, inside.right, inside.bottom);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

Pixels bitmapFile(const std::string& path)
{
    auto* bitmap = static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    BITMAP size{};
    if (!bitmap || !GetObjectA(bitmap, sizeof size, &size)) {
        if (bitmap)
            DeleteObject(bitmap);
        return {};
    }
    HDC screen = GetDC(nullptr);
    Pixels pixels = pixelsOf(screen, bitmap, size.bmWidth, std::abs(size.bmHeight));
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    return pixels;
}

Pixels topLeft(const Pixels& picture, int width, int height)
{
    Pixels corner{std::min(width, picture.width), std::min(height, picture.height), {}};
    for (int y = 0; y < corner.height; ++y)
        for (int x = 0; x < corner.width; ++x)
            corner.rows.push_back(picture.at(x, y));
    return corner;
}

bool showsOneToOne(Report& report, HWND control, const Pixels& picture, bool framed, const std::string& what)
{
    if (!report.check(IsWindowVisible(control) && picture.width > 0 && picture.height > 0,
                      what + ": shown, and the expected picture known"))
        return false;
    const Pixels shown = shownInside(control);
    RECT outer{};
    GetWindowRect(control, &outer);
    const std::string sizes = "inside " + sizeText(shown.width, shown.height) + ", picture " +
                              sizeText(picture.width, picture.height) + ", control " +
                              sizeText(outer.right - outer.left, outer.bottom - outer.top);
    const bool fits = shown.width == picture.width && shown.height == picture.height;
    const bool bordered = outer.right - outer.left > shown.width && outer.bottom - outer.top > shown.height;
    if (!report.check(fits && (bordered || !framed),
                      what + (framed ? ": inside its frame, exactly the picture's size" : ": exactly the picture's size"),
                      sizes))
        return false;
    int wrong = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            wrong += shown.at(x, y) != picture.at(x, y);
    return report.check(wrong == 0, what + ": every pixel of the picture shows 1:1",
                        std::to_string(wrong) + " pixels differ");
}
