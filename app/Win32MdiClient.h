#pragma once

#include "app/Win32DialogControls.h"
#include "core/ui/Shell.h"

#include <windows.h>

#include <string>
#include <vector>

// The MDI client of a page, a child of the frame laid over the tab control's display area,
// and its document windows: each document has its own handler, which must outlive the
// document (it sees windowDestroyed when the document goes, with the client at the latest).
class Win32MdiClient : public IMdiClient {
public:
    // The client's control id; the status bar has 1, by which outside tools find it.
    static constexpr int kControlId = 0x122;
    // The id of the first document's entry in the window menu.
    static constexpr UINT kFirstDocumentId = 5400;

    // Creates the client (handle() is null on failure) and registers the document class once.
    Win32MdiClient(HINSTANCE instance, HWND frame, const DocumentWindowSpec& documents);
    ~Win32MdiClient() override;
    Win32MdiClient(const Win32MdiClient&) = delete;
    Win32MdiClient& operator=(const Win32MdiClient&) = delete;

    WindowHandle handle() const override { return m_client; }
    void fitToTabArea(WindowHandle tabControl) override;
    void show() override;
    void hide() override;
    WindowHandle createDocument(std::string_view caption, IWindowHandler& handler) override;
    void destroyDocument(WindowHandle document) override;
    IDialogControls* documentControls(WindowHandle document) override;
    WindowHandle activeDocument() const override;
    ControlRect fillWithDocument(WindowHandle document) override;
    void cascade() override;
    void tile() override;
    void arrangeIcons() override;

private:
    static LRESULT CALLBACK documentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE m_instance;
    HWND m_frame;
    HWND m_client = nullptr;
    HWND m_tabControl = nullptr;
    std::string m_className;
    std::vector<ChildControl> m_documentControls;
};

namespace win32_mdi {

// The MDI client that the frame's default processing (DefFrameProcA) and the message loop
// (TranslateMDISysAccel) work with: the client made last, while it exists and is shown; null
// otherwise.
HWND frameClient();

} // namespace win32_mdi
