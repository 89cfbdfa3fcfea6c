#pragma once

#include "core/ui/Shell.h"

#include <windows.h>

#include <array>

// The shell of the real program: system message boxes and file dialogs, modal dialogs from
// the program's templates (each driven by its own handler, win32_dialog), the frame's menu,
// bitmap files through the window system's own loader, and windows of the program's own.
class Win32Shell : public IShell {
public:
    // The frame owns the message boxes, dialogs and windows that have no other owner.
    Win32Shell(HINSTANCE instance, HWND frame) : m_instance(instance), m_frame(frame) {}
    Win32Shell(const Win32Shell&) = delete;
    Win32Shell& operator=(const Win32Shell&) = delete;

    MessageAnswer messageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                             MessageButtons buttons, MessageIcon icon) override;
    int runModalDialog(WindowHandle owner, int templateId, IWindowHandler& handler) override;
    std::optional<std::string> chooseBitmapFile(const FileChooserRequest& request) override;
    void setMenuItemChecked(int commandId, bool checked) override;
    void setMenuItemEnabled(int commandId, bool enabled) override;
    std::optional<RgbImage> loadBitmapFile(const std::string& path) override;

    std::unique_ptr<IToolWindow> createToolWindow(const ToolWindowSpec& spec, IWindowHandler& handler) override;
    std::unique_ptr<IMdiClient> createMdiClient(const DocumentWindowSpec& documents) override;

    HWND frame() const { return m_frame; }

    static constexpr std::size_t kPathSize = 260;

private:
    HWND ownerOrFrame(WindowHandle owner) const;

    HINSTANCE m_instance;
    HWND m_frame;
    // The file dialogs' buffer: the last path chosen is where the next dialog starts.
    std::array<char, kPathSize> m_bitmapPath{};
};
