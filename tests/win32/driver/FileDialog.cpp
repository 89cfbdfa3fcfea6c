#include "tests/win32/driver/FileDialog.h"

#include "tests/win32/driver/Windows.h"

namespace {

constexpr DWORD kRetryInterval = 3000;

// The file name field: an edit inside combo box cmb13 in the newer layout, edit edt1 in the
// older one (hidden in the newer).
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

// The visible file name field; null until the dialog has made its controls.
HWND fileNameField(HWND dialog)
{
    HWND combo = GetDlgItem(dialog, kFileNameCombo);
    if (combo && IsWindowVisible(combo))
        return findDescendant(combo, "Edit");
    HWND edit = GetDlgItem(dialog, kFileNameEdit);
    return edit && IsWindowVisible(edit) ? edit : nullptr;
}

} // namespace

HWND waitForFileDialog(HWND frame, DWORD milliseconds, const std::string& title)
{
    return waitForWindow(milliseconds, [&] {
        HWND found = findOwnedWindow("#32770", frame);
        const bool shown = found && IsWindowVisible(found) && (title.empty() || windowText(found) == title);
        return shown ? found : nullptr;
    });
}

bool chooseFile(HWND dialog, const std::string& path, DWORD milliseconds)
{
    HWND field = waitForWindow(milliseconds, [&] { return fileNameField(dialog); });
    if (!field)
        return false;
    // A dialog still filling its folder view may drop the name or the OK: type and press OK
    // again until it closes.
    return waitUntil(milliseconds, [&] {
        if (!IsWindow(dialog))
            return true;
        if (windowText(field) != path)
            sendWithin(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
        return waitUntil(kRetryInterval, [&] { return !IsWindow(dialog); });
    });
}
