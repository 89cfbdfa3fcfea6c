#include "app/Win32ChildControls.h"

#include <string>

namespace win32_window {

namespace {

struct ControlClass {
    const char* name;
    DWORD style;
    DWORD exStyle;
};

ControlClass controlClass(ChildControl::Kind kind)
{
    switch (kind) {
    case ChildControl::Kind::PushButton:
        return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ChildControl::Kind::CheckBox:
        return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ChildControl::Kind::Edit:
        return {"EDIT", ES_LEFT | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ChildControl::Kind::MultiLineEdit:
        // Enter breaks the line even where the keyboard works as in a dialog.
        return {"EDIT", ES_MULTILINE | ES_WANTRETURN | ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL | WS_TABSTOP,
                WS_EX_CLIENTEDGE};
    case ChildControl::Kind::Static:
        break;
    }
    return {"STATIC", SS_LEFT, 0};
}

} // namespace

void createChildControls(HWND parent, HINSTANCE instance, const std::vector<ChildControl>& controls)
{
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (const ChildControl& control : controls) {
        const ControlClass kind = controlClass(control.kind);
        HWND child = CreateWindowExA(kind.exStyle, kind.name, control.text.c_str(), WS_CHILD | WS_VISIBLE | kind.style,
                                     control.rect.x, control.rect.y, control.rect.width, control.rect.height, parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
        if (child)
            SendMessageA(child, WM_SETFONT, font, FALSE);
    }
}

} // namespace win32_window
