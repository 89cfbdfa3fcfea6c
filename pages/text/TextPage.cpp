#include "pages/text/TextPage.h"

#include "core/ui/FrameCommands.h"
#include "core/ui/WindowMessages.h"
#include "pages/text/TextDocumentWindow.h"

#include <algorithm>
#include <cstdio>

// The handler of one document window: its buttons and its size changes. Whatever it leaves
// gets the MDI child's default processing, which also closes the window on WM_CLOSE.
class CTamblorText::Document : public IWindowHandler {
public:
    explicit Document(CTamblorText& page) : m_page(page) {}

    void windowCreated(WindowHandle window, IDialogControls& controls) override
    {
        m_window = window;
        m_controls = &controls;
    }

    int windowMessage(std::uint32_t message, std::uintptr_t, std::intptr_t lParam) override;

    void windowDestroyed() override
    {
        m_page.forgetDocument(m_window);
        m_window = nullptr;
        m_controls = nullptr;
    }

    WindowHandle window() const { return m_window; }
    IDialogControls* controls() const { return m_controls; }

private:
    CTamblorText& m_page;
    WindowHandle m_window = nullptr;
    IDialogControls* m_controls = nullptr;
};

int CTamblorText::Document::windowMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (!m_controls)
        return 0;
    // A maximised document fills the client, frame and caption inside it, and is not handed
    // to the MDI's own handling, which would put its frame outside the client.
    if (message == window_message::kSize && wParam == window_message::kSizeMaximized && m_page.m_client) {
        const ControlRect inside = m_page.m_client->fillWithDocument(m_window);
        text_document::layOut(*m_controls, inside.width, inside.height);
        return 1;
    }
    if (message == window_message::kSize) {
        const auto size = static_cast<std::uintptr_t>(lParam);
        text_document::layOut(*m_controls, static_cast<int>(size & 0xFFFF), static_cast<int>(size >> 16 & 0xFFFF));
        return 0;
    }
    const auto command = window_message::asCommand(message, wParam);
    if (!command || command->code != window_message::kButtonClicked)
        return 0;
    if (command->id == text_document::kLoadButton)
        m_page.loadDocument(m_window, *m_controls);
    else if (command->id == text_document::kSaveButton)
        m_page.saveDocument(m_window, *m_controls);
    return 0;
}

CTamblorText::CTamblorText(PageContext& context) : CWindowBase(context, "CTamblorText")
{
}

CTamblorText::~CTamblorText()
{
    // The documents close with the client and tell their handlers, which tell this page.
    m_client.reset();
}

void CTamblorText::Create(WindowHandle tabControl)
{
    if (!m_client) {
        IShell* shell = context().shell();
        m_client = shell ? shell->createMdiClient(text_document::windowSpec()) : nullptr;
        if (!m_client)
            return;
        setPageWindow(m_client->handle());
    }
    m_client->fitToTabArea(tabControl);
    m_client->show();
}

void CTamblorText::Destroy(int atShutdown)
{
    if (!m_client)
        return;
    if (!atShutdown) {
        m_client->hide();
        return;
    }
    m_client.reset();
    m_documents.clear();
    m_handlers.clear();
    setPageWindow(nullptr);
}

void CTamblorText::Resize(WindowHandle tabControl)
{
    if (m_client)
        m_client->fitToTabArea(tabControl);
}

void CTamblorText::Reset()
{
}

void CTamblorText::InitDialog(WindowHandle)
{
}

int CTamblorText::DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (message == window_message::kOpenText) {
        openText(static_cast<std::uint32_t>(lParam));
        return 1;
    }
    const auto command = window_message::asCommand(message, wParam);
    if (!command)
        return 0;
    switch (command->id) {
    case IDM_TEXT_NEW_WINDOW:
        return newDocument() ? 1 : 0;
    case IDM_TEXT_CASCADE:
        if (m_client)
            m_client->cascade();
        return 1;
    case IDM_TEXT_TILE:
        if (m_client)
            m_client->tile();
        return 1;
    case IDM_TEXT_ARRANGE:
        if (m_client)
            m_client->arrangeIcons();
        return 1;
    case IDM_TEXT_CLOSE_ALL:
        closeAllDocuments();
        return 1;
    }
    return 0;
}

void CTamblorText::LoadSettings(const std::string&)
{
}

bool CTamblorText::DataRead(RomFile&)
{
    return true;
}

bool CTamblorText::DataWrite(RomFile&)
{
    return true;
}

void CTamblorText::Release()
{
}

IDialogControls* CTamblorText::documentControls(WindowHandle document) const
{
    for (const auto& handler : m_handlers)
        if (document && handler->window() == document)
            return handler->controls();
    return nullptr;
}

bool CTamblorText::newDocument()
{
    if (!m_client)
        return false;
    std::erase_if(m_handlers, [](const auto& handler) { return !handler->window(); });
    ++m_documentCounter;
    char caption[64];
    std::snprintf(caption, sizeof caption, "Tamblor Text Editor DocNo:%d [新規]", m_documentCounter);
    auto handler = std::make_unique<Document>(*this);
    const WindowHandle window = m_client->createDocument(caption, *handler);
    if (!window)
        return false;
    m_documents.push_back({window, m_documentCounter, 0});
    m_handlers.push_back(std::move(handler));
    return true;
}

void CTamblorText::openText(std::uint32_t offset)
{
    // Nothing when no document could be made, rather than a load into another document.
    if (!newDocument())
        return;
    const WindowHandle document = m_client->activeDocument();
    IDialogControls* controls = documentControls(document);
    if (!controls)
        return;
    char address[16];
    std::snprintf(address, sizeof address, "%X", static_cast<unsigned>(offset));
    controls->setText(text_document::kAddressEdit, address);
    loadDocument(document, *controls);
}

void CTamblorText::closeAllDocuments()
{
    std::vector<WindowHandle> windows;
    for (const HWND_DATA& document : m_documents)
        windows.push_back(document.window);
    for (WindowHandle window : windows)
        if (m_client)
            m_client->destroyDocument(window);
    m_documents.clear();
}

HWND_DATA* CTamblorText::record(WindowHandle document)
{
    auto it = std::find_if(m_documents.begin(), m_documents.end(),
                           [&](const HWND_DATA& data) { return data.window == document; });
    return it == m_documents.end() ? nullptr : &*it;
}

void CTamblorText::forgetDocument(WindowHandle document)
{
    // Only the first record of the window; the later ones move up one place.
    if (const HWND_DATA* data = record(document))
        m_documents.erase(m_documents.begin() + (data - m_documents.data()));
}
