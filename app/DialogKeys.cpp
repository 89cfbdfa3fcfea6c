#include "app/DialogKeys.h"

#include "app/Win32DialogBinding.h"

namespace {

bool isPageOrDocument(HWND window)
{
    return GetWindowLongPtrA(window, DWLP_DLGPROC) == reinterpret_cast<LONG_PTR>(&win32_dialog::dialogProc) ||
           (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_MDICHILD);
}

// The page dialog or text document that holds the window; null for the frame's own controls
// and for top-level windows (a modal dialog runs its own loop).
HWND keyboardOwner(HWND window)
{
    for (; window && (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD); window = GetParent(window)) {
        if (isPageOrDocument(window))
            return window;
    }
    return nullptr;
}

bool isEnterOrEsc(const MSG& message)
{
    return (message.message == WM_KEYDOWN || message.message == WM_CHAR) &&
           (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE);
}

} // namespace

bool translateDialogKeys(MSG& message)
{
    HWND owner = keyboardOwner(message.hwnd);
    if (!owner)
        return false;
    if (isEnterOrEsc(message)) {
        const auto code = SendMessageA(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
        if (code & DLGC_WANTMESSAGE)
            return false;
        // Enter on a focused push button clicks it, as Space does; a text document is no
        // dialog and knows no default button, so the click is sent here for both.
        const bool pushButton = code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
        if (pushButton && message.wParam == VK_RETURN && message.message == WM_KEYDOWN)
            SendMessageA(GetParent(message.hwnd), WM_COMMAND,
                         MAKEWPARAM(GetDlgCtrlID(message.hwnd), BN_CLICKED), reinterpret_cast<LPARAM>(message.hwnd));
        return true;
    }
    return IsDialogMessageA(owner, &message);
}
