#include "tests/win32/driver/PageControls.h"

#include "tests/win32/driver/Windows.h"

#include <algorithm>
#include <vector>

namespace {

constexpr UINT kSelectTabMessage = 0x8000;
constexpr int kTabControlId = 0x121;

std::string itemText(HWND control, UINT lengthMessage, UINT textMessage, int index)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(control, lengthMessage, static_cast<WPARAM>(index), 0, SMTO_ABORTIFHUNG,
                             kMessageTimeout, &length) ||
        static_cast<LRESULT>(length) < 0)
        return {};
    std::vector<wchar_t> wide(length + 1);
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(control, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()),
                        SMTO_ABORTIFHUNG, kMessageTimeout, &copied);
    const int wideLength = static_cast<int>(std::min<DWORD_PTR>(copied, length));
    const int size = WideCharToMultiByte(932, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(932, 0, wide.data(), wideLength, text.data(), size, nullptr, nullptr);
    return text;
}

} // namespace

void PageDialog::choose(int comboId, int entry) const
{
    sendWithin(control(comboId), CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    sendWithin(m_dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control(comboId)));
}

void PageDialog::chooseListEntry(int listId, int entry) const
{
    sendWithin(control(listId), LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    sendWithin(m_dialog, WM_COMMAND, MAKEWPARAM(listId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(control(listId)));
}

void PageDialog::type(int editId, const char* text) const
{
    sendWithin(control(editId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void PageDialog::setChecked(int checkBoxId, bool checked) const
{
    sendWithin(control(checkBoxId), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void PageDialog::click(int buttonId) const
{
    sendWithin(control(buttonId), BM_CLICK, 0, 0);
}

void PageDialog::clickLater(int buttonId) const
{
    PostMessageA(control(buttonId), BM_CLICK, 0, 0);
}

std::string comboItem(HWND combo, int index)
{
    return itemText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

std::string listItem(HWND list, int index)
{
    return itemText(list, LB_GETTEXTLEN, LB_GETTEXT, index);
}

int listCount(HWND list)
{
    LRESULT count = 0;
    return sendWithin(list, LB_GETCOUNT, 0, 0, &count) ? static_cast<int>(count) : -1;
}

int comboCount(HWND combo)
{
    LRESULT count = 0;
    return sendWithin(combo, CB_GETCOUNT, 0, 0, &count) ? static_cast<int>(count) : -1;
}

int comboSelection(HWND combo)
{
    LRESULT selected = CB_ERR;
    return sendWithin(combo, CB_GETCURSEL, 0, 0, &selected) ? static_cast<int>(selected) : CB_ERR;
}

HWND selectPage(HWND frame, int tab)
{
    sendWithin(frame, kSelectTabMessage, static_cast<WPARAM>(tab), 0);
    HWND tabs = GetDlgItem(frame, kTabControlId);
    return tabs ? FindWindowExA(tabs, nullptr, "#32770", nullptr) : nullptr;
}
