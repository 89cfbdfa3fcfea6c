#pragma once

#include "core/WindowBase.h"
#include "core/ui/Shell.h"
#include "pages/text/TextDocumentRecord.h"

#include <cstdint>
#include <memory>
#include <vector>

// The text editor: instead of a dialog, an MDI client over the tab area whose document windows
// each read and write one text at the moment of a command. The page holds no ROM table, so its
// session slots do nothing; documents outlive tab changes and ROM loads.
class CTamblorText : public CWindowBase {
public:
    explicit CTamblorText(PageContext& context);
    ~CTamblorText() override;

    // The MDI client is made on the first show, hidden on a tab change, destroyed at shutdown.
    void Create(WindowHandle tabControl) override;
    void Destroy(int atShutdown) override;
    void Resize(WindowHandle tabControl) override;

    void Reset() override;
    void InitDialog(WindowHandle dialog) override;
    // The five commands of the frame's text buttons and submenu, and the frame's message that
    // opens a text: a new document loads the text at the message's ROM offset.
    int DialogProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void LoadSettings(const std::string& section) override;
    bool DataRead(RomFile& file) override;
    bool DataWrite(RomFile& file) override;
    void Release() override;
    int DialogId() override { return 0; }

    std::int32_t documentCounter() const { return m_documentCounter; }
    const std::vector<HWND_DATA>& documents() const { return m_documents; }
    // The controls of an open document; null for any other handle.
    IDialogControls* documentControls(WindowHandle document) const;

private:
    class Document;

    bool newDocument();
    void openText(std::uint32_t offset);
    void closeAllDocuments();
    HWND_DATA* record(WindowHandle document);
    void forgetDocument(WindowHandle document);

    // A document's buttons (TextDocumentCommands.cpp).
    void loadDocument(WindowHandle document, IDialogControls& controls);
    void saveDocument(WindowHandle document, IDialogControls& controls);
    void showLoadedCaption(WindowHandle document, IDialogControls& controls, std::uint32_t offset);

    // Grows by one before each new document and never goes back, so numbers are not reused.
    std::int32_t m_documentCounter = 0;
    // In creation order.
    std::vector<HWND_DATA> m_documents;
    // The documents' handlers; a closed document's handler goes at the next new document.
    std::vector<std::unique_ptr<Document>> m_handlers;
    std::unique_ptr<IMdiClient> m_client;
};
