#pragma once

#include "core/PageContext.h"
#include "core/RomFile.h"
#include "core/ui/WindowHandler.h"

#include <cstdint>
#include <string>

// The abstract editor page. The eleven slots keep this order in every page. The page is the
// handler of its own dialog: the dialog's messages reach it, and it knows the dialog's handle
// and controls from WM_INITDIALOG on.
class CWindowBase : public IWindowHandler {
public:
    // className is the plain class name that failure messages show ("CAttack_Edit").
    CWindowBase(PageContext& context, const char* className);
    // Deleting a page through this class must run the page's own destructor.
    ~CWindowBase() override;

    virtual void Create(WindowHandle tabControl);
    virtual void Destroy(int atShutdown);
    virtual void Resize(WindowHandle tabControl);
    virtual void Reset() = 0;
    // A null handle stands for the page's own dialog.
    virtual void InitDialog(WindowHandle dialog) = 0;
    virtual int DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    virtual void LoadSettings(const std::string& section) = 0;
    virtual bool DataRead(RomFile& file) = 0;
    virtual bool DataWrite(RomFile& file) = 0;
    virtual void Release() = 0;
    virtual int DialogId() = 0;

    // The page's dialog as a window handler: WM_INITDIALOG runs InitDialog, the rest DialogProc.
    void windowCreated(WindowHandle window, IDialogControls& controls) final;
    int windowMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) final;
    void windowDestroyed() final;

    const char* className() const { return m_className; }
    WindowHandle dialog() const { return m_dialog; }
    void setTabControl(WindowHandle tabControl) { m_tabControl = tabControl; }

protected:
    PageContext& context() const { return m_context; }
    // For a page that makes its own page window instead of a dialog (the text page's MDI
    // client): the window that dialog() then gives.
    void setPageWindow(WindowHandle window) { m_dialog = window; }
    // The controls of the page's own dialog, kept from windowCreated to windowDestroyed; null
    // while the page is not shown.
    IDialogControls* controls() const { return m_controls; }
    // For DataRead/DataWrite: hands the failure's text to the session and fails.
    bool failWith(const Result& failure);
    bool failWith(const std::string& text);

private:
    PageContext& m_context;
    const char* m_className;
    WindowHandle m_dialog = nullptr;
    IDialogControls* m_controls = nullptr;
    WindowHandle m_tabControl = nullptr;
};
