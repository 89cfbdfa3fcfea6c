#include "app/Win32DialogControls.h"

#include "app/Win32BitmapFile.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kClassNameSize = 32;

std::string terminated(std::string_view text)
{
    return std::string(text);
}

bool hasClass(HWND control, const char* name)
{
    char className[kClassNameSize] = {};
    GetClassNameA(control, className, static_cast<int>(sizeof className));
    return lstrcmpiA(className, name) == 0;
}

} // namespace

Win32DialogControls::~Win32DialogControls()
{
    for (auto& [id, bitmap] : m_bitmaps)
        DeleteObject(bitmap);
}

const Win32DialogControls::ItemMessages* Win32DialogControls::itemMessages(HWND control) const
{
    static const ItemMessages combo = {CB_RESETCONTENT, CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING,
                                       CB_GETCOUNT,     CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_GETCURSEL,
                                       CB_SETCURSEL,    CB_INITSTORAGE};
    static const ItemMessages list = {LB_RESETCONTENT, LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING,
                                      LB_GETCOUNT,     LB_GETTEXTLEN, LB_GETTEXT,     LB_GETCURSEL,
                                      LB_SETCURSEL,    LB_INITSTORAGE};
    if (!control)
        return nullptr;
    if (hasClass(control, "ComboBox"))
        return &combo;
    if (hasClass(control, "ListBox"))
        return &list;
    return nullptr;
}

std::string Win32DialogControls::text(int id, std::size_t maxLength) const
{
    std::vector<char> buffer(maxLength + 1, '\0');
    const UINT length = GetDlgItemTextA(m_dialog, id, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), length);
}

void Win32DialogControls::setText(int id, std::string_view text)
{
    SetDlgItemTextA(m_dialog, id, terminated(text).c_str());
}

void Win32DialogControls::setEnabled(int id, bool enabled)
{
    if (HWND control = item(id))
        EnableWindow(control, enabled);
}

bool Win32DialogControls::isEnabled(int id) const
{
    HWND control = item(id);
    return control && IsWindowEnabled(control);
}

void Win32DialogControls::setVisible(int id, bool visible)
{
    if (HWND control = item(id))
        ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
}

bool Win32DialogControls::isVisible(int id) const
{
    // The control's own state, as setVisible left it, whether or not its dialog is shown.
    HWND control = item(id);
    return control && (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool Win32DialogControls::isChecked(int id) const
{
    return IsDlgButtonChecked(m_dialog, id) == BST_CHECKED;
}

void Win32DialogControls::setChecked(int id, bool checked)
{
    CheckDlgButton(m_dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

ControlRect Win32DialogControls::controlRect(int id) const
{
    HWND control = item(id);
    if (!control)
        return {};
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, m_dialog, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void Win32DialogControls::moveControl(int id, const ControlRect& rect)
{
    if (HWND control = item(id))
        MoveWindow(control, rect.x, rect.y, rect.width, rect.height, TRUE);
}

void Win32DialogControls::clearItems(int id)
{
    HWND control = item(id);
    if (const ItemMessages* messages = itemMessages(control))
        SendMessageA(control, messages->reset, 0, 0);
}

int Win32DialogControls::addItem(int id, std::string_view text)
{
    HWND control = item(id);
    const ItemMessages* messages = itemMessages(control);
    if (!messages)
        return kNoItem;
    const std::string value = terminated(text);
    const LRESULT index = SendMessageA(control, messages->add, 0, reinterpret_cast<LPARAM>(value.c_str()));
    return index < 0 ? kNoItem : static_cast<int>(index);
}

void Win32DialogControls::addItems(int id, std::span<const std::string> texts)
{
    HWND control = item(id);
    const ItemMessages* messages = itemMessages(control);
    if (!messages)
        return;
    std::size_t bytes = 0;
    for (const std::string& text : texts)
        bytes += text.size() + 1;
    SendMessageA(control, WM_SETREDRAW, FALSE, 0);
    SendMessageA(control, messages->initStorage, texts.size(), bytes);
    for (const std::string& text : texts)
        SendMessageA(control, messages->add, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(control, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(control, nullptr, TRUE);
}

int Win32DialogControls::insertItem(int id, int index, std::string_view text)
{
    HWND control = item(id);
    const ItemMessages* messages = itemMessages(control);
    if (!messages)
        return kNoItem;
    const std::string value = terminated(text);
    const LRESULT at = SendMessageA(control, messages->insert, static_cast<WPARAM>(index),
                                    reinterpret_cast<LPARAM>(value.c_str()));
    return at < 0 ? kNoItem : static_cast<int>(at);
}

void Win32DialogControls::deleteItem(int id, int index)
{
    HWND control = item(id);
    if (const ItemMessages* messages = itemMessages(control))
        SendMessageA(control, messages->remove, static_cast<WPARAM>(index), 0);
}

int Win32DialogControls::itemCount(int id) const
{
    HWND control = item(id);
    const ItemMessages* messages = itemMessages(control);
    return messages ? static_cast<int>(SendMessageA(control, messages->count, 0, 0)) : 0;
}

std::string Win32DialogControls::itemText(int id, int index) const
{
    HWND control = item(id);
    const ItemMessages* messages = itemMessages(control);
    if (!messages)
        return {};
    const LRESULT length = SendMessageA(control, messages->textLength, static_cast<WPARAM>(index), 0);
    if (length < 0)
        return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendMessageA(control, messages->text, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    return copied < 0 ? std::string() : std::string(buffer.data(), std::strlen(buffer.data()));
}

int Win32DialogControls::selection(int id) const
{
    HWND control = item(id);
    const ItemMessages* messages = itemMessages(control);
    if (!messages)
        return kNoItem;
    const LRESULT selected = SendMessageA(control, messages->getSelection, 0, 0);
    return selected < 0 ? kNoItem : static_cast<int>(selected);
}

int Win32DialogControls::setSelection(int id, int index)
{
    HWND control = item(id);
    const ItemMessages* messages = itemMessages(control);
    if (!messages)
        return kNoItem;
    // Windows clears the selection for an index beyond the items; Wine keeps the old one.
    const LRESULT count = SendMessageA(control, messages->count, 0, 0);
    if (index < 0 || index >= count)
        index = kNoItem;
    const LRESULT selected = SendMessageA(control, messages->setSelection, static_cast<WPARAM>(index), 0);
    return selected < 0 ? kNoItem : static_cast<int>(selected);
}

void Win32DialogControls::setDroppedHeight(int id, int pixels)
{
    HWND control = item(id);
    if (!control || !hasClass(control, "ComboBox"))
        return;
    // A combo box's window height includes its list.
    RECT rect{};
    GetWindowRect(control, &rect);
    SetWindowPos(control, nullptr, 0, 0, rect.right - rect.left, pixels, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32DialogControls::setTabStops(int id, std::span<const int> stops)
{
    HWND control = item(id);
    if (!control || !hasClass(control, "ListBox"))
        return;
    std::vector<INT> values(stops.begin(), stops.end());
    SendMessageA(control, LB_SETTABSTOPS, static_cast<WPARAM>(values.size()), reinterpret_cast<LPARAM>(values.data()));
    InvalidateRect(control, nullptr, TRUE);
}

void Win32DialogControls::repaint(int id)
{
    if (HWND control = item(id))
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void Win32DialogControls::setCaption(std::string_view text)
{
    SetWindowTextA(m_dialog, terminated(text).c_str());
}

std::string Win32DialogControls::caption() const
{
    const int length = GetWindowTextLengthA(m_dialog);
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(m_dialog, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

void Win32DialogControls::endDialog(int result)
{
    if (m_modal)
        EndDialog(m_dialog, result);
}

void Win32DialogControls::showPixels(int id, int width, int height, std::span<const std::uint32_t> pixels)
{
    HWND control = item(id);
    if (!control || width <= 0 || height <= 0 ||
        pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return;
    BITMAPINFO info = win32_bitmap::topDownRgbInfo(width, height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return;
    std::memcpy(bits, pixels.data(), static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    // A plain bitmap static sizes itself to the bitmap, and Wine then stretches the bitmap over
    // the inside of the control, which a border makes smaller: centred, it is drawn 1:1.
    const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
    if (!(style & SS_CENTERIMAGE))
        SetWindowLongPtrA(control, GWL_STYLE, style | SS_CENTERIMAGE);
    SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    auto [slot, inserted] = m_bitmaps.try_emplace(id, bitmap);
    if (!inserted) {
        DeleteObject(slot->second);
        slot->second = bitmap;
    }
}

void Win32DialogControls::setPictureArea(int id, int width, int height)
{
    HWND control = item(id);
    if (!control || width < 0 || height < 0)
        return;
    // The border is what the window has beyond its client area, whatever style draws it.
    RECT outer{};
    RECT inside{};
    GetWindowRect(control, &outer);
    GetClientRect(control, &inside);
    const int borderWidth = (outer.right - outer.left) - (inside.right - inside.left);
    const int borderHeight = (outer.bottom - outer.top) - (inside.bottom - inside.top);
    MapWindowPoints(nullptr, m_dialog, reinterpret_cast<POINT*>(&outer), 2);
    MoveWindow(control, outer.left, outer.top, width + borderWidth, height + borderHeight, TRUE);
}
