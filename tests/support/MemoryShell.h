#pragma once

#include "tests/support/MemoryControls.h"
#include "tests/support/ScriptedShell.h"

#include <cstdint>
#include <map>
#include <memory>

// The shell in memory: modal dialogs and windows of the pages' own are MemoryControls built
// from their definitions, so the same page cases run here and against the real templates.
class MemoryShell : public ScriptedShell {
public:
    int runModalDialog(WindowHandle owner, int templateId, IWindowHandler& handler) override;
    // The portable reader of ordinary uncompressed bitmaps.
    std::optional<RgbImage> loadBitmapFile(const std::string& path) override;
    std::unique_ptr<IToolWindow> createToolWindow(const ToolWindowSpec& spec, IWindowHandler& handler) override;
    std::unique_ptr<IMdiClient> createMdiClient(const DocumentWindowSpec& documents) override;
};

// A tool window in memory.
class MemoryToolWindow : public IToolWindow {
public:
    MemoryToolWindow(WindowHandle handle, const ToolWindowSpec& spec, IWindowHandler& handler);
    ~MemoryToolWindow() override;

    WindowHandle handle() const override { return m_handle; }
    IDialogControls& controls() override { return m_controls; }
    void show() override { m_shown = true; }
    void hide() override { m_shown = false; }
    bool isShown() const override { return m_shown; }

private:
    WindowHandle m_handle;
    IWindowHandler& m_handler;
    MemoryControls m_controls;
    bool m_shown = false;
};

// An MDI client in memory: documents in creation order, the newest active.
class MemoryMdiClient : public IMdiClient {
public:
    explicit MemoryMdiClient(const DocumentWindowSpec& documents);
    ~MemoryMdiClient() override;

    WindowHandle handle() const override;
    void fitToTabArea(WindowHandle) override {}
    void show() override {}
    void hide() override {}
    WindowHandle createDocument(std::string_view caption, IWindowHandler& handler) override;
    void destroyDocument(WindowHandle document) override;
    IDialogControls* documentControls(WindowHandle document) override;
    WindowHandle activeDocument() const override;
    ControlRect fillWithDocument(WindowHandle document) override;
    void cascade() override {}
    void tile() override {}
    void arrangeIcons() override {}

    // The user's close box: the document's handler sees WM_CLOSE, then, unless it handled
    // it, the document closes.
    void close(WindowHandle document);
    // The user acts on one of the document's controls: its handler sees WM_COMMAND.
    void command(WindowHandle document, int id, std::uint16_t code);
    // The user maximises the document: its handler sees WM_SIZE, whose result this returns;
    // on 0 the MDI's own handling places it.
    std::intptr_t maximise(WindowHandle document);
    // The document's place in the client area; documents in memory have no frame, so it is
    // also their client size.
    ControlRect place(WindowHandle document) const;
    static constexpr ControlRect kClientArea{0, 0, 600, 400};
    // The client that holds the document; null for any other handle.
    static MemoryMdiClient* holding(WindowHandle document);

private:
    struct Document {
        IWindowHandler* handler;
        std::unique_ptr<MemoryControls> controls;
        std::uint64_t order;
        ControlRect place;
    };
    Document* find(WindowHandle document);

    std::vector<ControlDeclaration> m_declared;
    std::map<WindowHandle, Document> m_documents;
    std::uint64_t m_created = 0;
};
