#include "app/Win32Shell.h"

#include "app/Win32BitmapFile.h"
#include "app/Win32DialogBinding.h"
#include "app/Win32MdiClient.h"
#include "app/Win32ToolWindow.h"

#include <commdlg.h>

#include <string>

namespace {

HWND hwnd(WindowHandle handle)
{
    return static_cast<HWND>(handle);
}

UINT iconFlags(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Error:
        return MB_ICONERROR;
    case MessageIcon::Warning:
        return MB_ICONWARNING;
    case MessageIcon::Information:
        return MB_ICONINFORMATION;
    case MessageIcon::Question:
        return MB_ICONQUESTION;
    case MessageIcon::None:
        break;
    }
    return 0;
}

// "desc\0pattern\0" for each pair, then the final \0.
std::string filterString(const FileChooserRequest& request)
{
    std::string filter;
    for (const auto& [description, pattern] : request.filters) {
        filter += description;
        filter += '\0';
        filter += pattern;
        filter += '\0';
    }
    filter += '\0';
    return filter;
}

const char* nullWhenEmpty(const std::string& text)
{
    return text.empty() ? nullptr : text.c_str();
}

} // namespace

HWND Win32Shell::ownerOrFrame(WindowHandle owner) const
{
    return owner ? hwnd(owner) : m_frame;
}

MessageAnswer Win32Shell::messageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                                     MessageButtons buttons, MessageIcon icon)
{
    const std::string body(text);
    const std::string title(caption);
    const UINT type = (buttons == MessageButtons::YesNo         ? MB_YESNO
                       : buttons == MessageButtons::YesNoCancel ? MB_YESNOCANCEL
                                                                : MB_OK)
                      | iconFlags(icon);
    switch (MessageBoxA(ownerOrFrame(owner), body.c_str(), title.c_str(), type)) {
    case IDOK:
        return MessageAnswer::Ok;
    case IDYES:
        return MessageAnswer::Yes;
    case IDNO:
        return MessageAnswer::No;
    default:
        // Closed some other way, or the box could not be shown: nothing was agreed to.
        return MessageAnswer::Cancel;
    }
}

int Win32Shell::runModalDialog(WindowHandle owner, int templateId, IWindowHandler& handler)
{
    win32_dialog::Creation creation{&handler, true};
    return static_cast<int>(DialogBoxParamA(m_instance, MAKEINTRESOURCEA(templateId), ownerOrFrame(owner),
                                            win32_dialog::dialogProc, reinterpret_cast<LPARAM>(&creation)));
}

std::optional<std::string> Win32Shell::chooseBitmapFile(const FileChooserRequest& request)
{
    const std::string filter = filterString(request);
    // The dialog writes into a copy, so that a cancelled one leaves the last path as it was.
    std::array<char, kPathSize> buffer = m_bitmapPath;
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = m_frame;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrDefExt = nullWhenEmpty(request.defaultExtension);
    dialog.lpstrTitle = nullWhenEmpty(request.title);
    // An export names a new file as often as an old one; only its folder must exist.
    const bool saving = request.mode == FileChooserRequest::Mode::Save;
    dialog.Flags = (saving ? OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST) | OFN_HIDEREADONLY;
    auto show = [&] {
        return saving ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    };
    BOOL chosen = show();
    if (!chosen && CommDlgExtendedError() == FNERR_INVALIDFILENAME) {
        // The last path is no longer a valid start (its folder is gone): start empty instead.
        buffer.fill('\0');
        chosen = show();
    }
    if (!chosen)
        return std::nullopt;
    buffer.back() = '\0';
    m_bitmapPath = buffer;
    return std::string(m_bitmapPath.data());
}

void Win32Shell::setMenuItemChecked(int commandId, bool checked)
{
    if (HMENU menu = GetMenu(m_frame)) {
        CheckMenuItem(menu, static_cast<UINT>(commandId), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
        DrawMenuBar(m_frame);
    }
}

void Win32Shell::setMenuItemEnabled(int commandId, bool enabled)
{
    if (HMENU menu = GetMenu(m_frame)) {
        EnableMenuItem(menu, static_cast<UINT>(commandId), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
        DrawMenuBar(m_frame);
    }
}

std::optional<RgbImage> Win32Shell::loadBitmapFile(const std::string& path)
{
    return win32_bitmap::loadBitmapFile(path);
}

std::unique_ptr<IToolWindow> Win32Shell::createToolWindow(const ToolWindowSpec& spec, IWindowHandler& handler)
{
    auto window = std::make_unique<Win32ToolWindow>(m_instance, m_frame, spec, handler);
    if (!window->handle())
        return nullptr;
    return window;
}

std::unique_ptr<IMdiClient> Win32Shell::createMdiClient(const DocumentWindowSpec& documents)
{
    auto client = std::make_unique<Win32MdiClient>(m_instance, m_frame, documents);
    if (!client->handle())
        return nullptr;
    return client;
}
