#include "tests/support/MemoryShell.h"

#include "core/ui/WindowMessages.h"
#include "tests/support/MemoryTemplates.h"
#include "tests/support/PortableBitmap.h"
#include "tests/support/ResourceTemplates.h"

namespace {

// Handles that no other window of the tests has.
std::uintptr_t g_nextWindow = 0x70000;
constexpr std::uintptr_t kWindowStep = 0x10;
// Where a new document window lies in its MDI client, as the system's default would put it.
constexpr ControlRect kNewDocumentPlace{10, 10, 300, 200};
// The width of the frame that a document maximised by the MDI's own handling has outside the
// client area.
constexpr int kDefaultFrame = 4;
// Every memory MDI client's documents, so that the user's hand finds a document by its handle.
std::map<WindowHandle, MemoryMdiClient*> g_documentClients;

WindowHandle newWindowHandle()
{
    g_nextWindow += kWindowStep;
    return reinterpret_cast<WindowHandle>(g_nextWindow);
}

ControlKind kindOf(ChildControl::Kind kind)
{
    switch (kind) {
    case ChildControl::Kind::PushButton:
        return ControlKind::Button;
    case ChildControl::Kind::CheckBox:
        return ControlKind::CheckBox;
    case ChildControl::Kind::Edit:
    case ChildControl::Kind::MultiLineEdit:
        return ControlKind::Edit;
    case ChildControl::Kind::Static:
        break;
    }
    return ControlKind::Static;
}

std::vector<ControlDeclaration> declarations(const std::vector<ChildControl>& controls)
{
    std::vector<ControlDeclaration> declared;
    for (const ChildControl& control : controls)
        declared.push_back({control.id, kindOf(control.kind), false, control.text, control.rect});
    return declared;
}

} // namespace

// The dialog lives for this call only, like a modal dialog's message loop.
int MemoryShell::runModalDialog(WindowHandle, int templateId, IWindowHandler& handler)
{
    const std::vector<ControlDeclaration> declared = memoryTemplate(templateId);
    ModalScript script = takeModalScript(templateId);
    if (declared.empty())
        return -1;
    MemoryControls controls(declared, commandsTo(handler));
    controls.setCaption(resourceTemplate(templateId)->caption);
    handler.windowCreated(newWindowHandle(), controls);
    const Command command = [&](int id, std::uint16_t code) {
        if (!controls.ended())
            handler.windowMessage(window_message::kCommand,
                                  window_message::makeCommand(static_cast<std::uint16_t>(id), code), 0);
    };
    if (script && !controls.ended())
        script(controls, command);
    command(window_message::kIdCancel, window_message::kButtonClicked);
    handler.windowDestroyed();
    // A handler that ignores the cancel would keep a real dialog open; here it just ends.
    return controls.ended() ? controls.endResult() : window_message::kIdCancel;
}

std::optional<RgbImage> MemoryShell::loadBitmapFile(const std::string& path)
{
    return loadBitmapPixels(path);
}

std::unique_ptr<IToolWindow> MemoryShell::createToolWindow(const ToolWindowSpec& spec, IWindowHandler& handler)
{
    return std::make_unique<MemoryToolWindow>(newWindowHandle(), spec, handler);
}

std::unique_ptr<IMdiClient> MemoryShell::createMdiClient(const DocumentWindowSpec& documents)
{
    return std::make_unique<MemoryMdiClient>(documents);
}

MemoryToolWindow::MemoryToolWindow(WindowHandle handle, const ToolWindowSpec& spec, IWindowHandler& handler)
    : m_handle(handle), m_handler(handler),
      m_controls(declarations(spec.controls), commandsTo(handler))
{
    m_controls.setCaption(spec.title);
    m_handler.windowCreated(m_handle, m_controls);
}

MemoryToolWindow::~MemoryToolWindow()
{
    m_handler.windowDestroyed();
}

MemoryMdiClient::MemoryMdiClient(const DocumentWindowSpec& documents) : m_declared(declarations(documents.controls))
{
}

MemoryMdiClient::~MemoryMdiClient()
{
    while (!m_documents.empty())
        destroyDocument(m_documents.begin()->first);
}

WindowHandle MemoryMdiClient::handle() const
{
    return const_cast<MemoryMdiClient*>(this);
}

WindowHandle MemoryMdiClient::createDocument(std::string_view caption, IWindowHandler& handler)
{
    const WindowHandle document = newWindowHandle();
    g_documentClients[document] = this;
    auto controls = std::make_unique<MemoryControls>(m_declared, commandsTo(handler));
    controls->setCaption(caption);
    MemoryControls& made = *controls;
    m_documents.emplace(document, Document{&handler, std::move(controls), ++m_created, kNewDocumentPlace});
    handler.windowCreated(document, made);
    return document;
}

void MemoryMdiClient::destroyDocument(WindowHandle document)
{
    auto it = m_documents.find(document);
    if (it == m_documents.end())
        return;
    IWindowHandler* handler = it->second.handler;
    m_documents.erase(it);
    g_documentClients.erase(document);
    handler->windowDestroyed();
}

MemoryMdiClient::Document* MemoryMdiClient::find(WindowHandle document)
{
    auto it = m_documents.find(document);
    return it == m_documents.end() ? nullptr : &it->second;
}

IDialogControls* MemoryMdiClient::documentControls(WindowHandle document)
{
    Document* found = find(document);
    return found ? found->controls.get() : nullptr;
}

WindowHandle MemoryMdiClient::activeDocument() const
{
    WindowHandle active = nullptr;
    std::uint64_t newest = 0;
    for (const auto& [handle, document] : m_documents) {
        if (document.order > newest) {
            newest = document.order;
            active = handle;
        }
    }
    return active;
}

void MemoryMdiClient::close(WindowHandle document)
{
    Document* found = find(document);
    if (found && !found->handler->windowMessage(window_message::kClose, 0, 0))
        destroyDocument(document);
}

void MemoryMdiClient::command(WindowHandle document, int id, std::uint16_t code)
{
    if (Document* found = find(document))
        commandsTo(*found->handler)(id, code);
}

ControlRect MemoryMdiClient::fillWithDocument(WindowHandle document)
{
    Document* found = find(document);
    if (!found)
        return {};
    found->place = kClientArea;
    return kClientArea;
}

std::intptr_t MemoryMdiClient::maximise(WindowHandle document)
{
    Document* found = find(document);
    if (!found)
        return 0;
    const auto size = static_cast<std::intptr_t>(kClientArea.height) << 16 | kClientArea.width;
    const int result = found->handler->windowMessage(window_message::kSize, window_message::kSizeMaximized, size);
    // The MDI's own maximising puts the document's frame outside the client area.
    if (result == 0)
        found->place = {-kDefaultFrame, -kDefaultFrame, kClientArea.width + 2 * kDefaultFrame,
                            kClientArea.height + 2 * kDefaultFrame};
    return result;
}

ControlRect MemoryMdiClient::place(WindowHandle document) const
{
    const Document* found = const_cast<MemoryMdiClient*>(this)->find(document);
    return found ? found->place : ControlRect{};
}

MemoryMdiClient* MemoryMdiClient::holding(WindowHandle document)
{
    auto it = g_documentClients.find(document);
    return it == g_documentClients.end() ? nullptr : it->second;
}
