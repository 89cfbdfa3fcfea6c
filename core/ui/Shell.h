#pragma once

#include "core/ui/WindowHandler.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What pages ask of the window system beyond their own dialog's controls: message boxes,
// modal dialogs, the bitmap file chooser, the frame's menu, bitmap files, and windows of
// their own. The program's implementation is in app/; tests use one in memory that takes
// scripted answers and records what was shown.

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageIcon { None, Error, Warning, Information, Question };
// The button pressed, with the Win32 numbers (IDOK, IDCANCEL, IDYES, IDNO).
enum class MessageAnswer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

struct FileChooserRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    // Pairs of description and pattern: {"Bitmap(*.bmp)", "*.bmp"}.
    std::vector<std::pair<std::string, std::string>> filters;
    std::string defaultExtension;
    std::string title;
};

// Pixels as picture controls show them: rows of 0x00RRGGBB, top row first.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// A child control of a window of the program's own (not from a dialog template), placed in
// pixels of the window's client area.
struct ChildControl {
    enum class Kind { Static, PushButton, CheckBox, Edit, MultiLineEdit };
    int id = 0;
    Kind kind = Kind::Static;
    std::string text;
    ControlRect rect;
};

// A top-level window of its own class, owned by the frame: created hidden; closing it only
// hides it; its messages reach its handler (WM_COMMAND of its controls among them).
struct ToolWindowSpec {
    std::string className;
    std::string title;
    int clientWidth = 0;
    int clientHeight = 0;
    std::vector<ChildControl> controls;
};

class IToolWindow {
public:
    virtual ~IToolWindow() = default;
    virtual WindowHandle handle() const = 0;
    virtual IDialogControls& controls() = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual bool isShown() const = 0;
};

// The MDI client of a page: laid over the tab control's display area, hidden while another
// tab is selected, with document windows of one registered class. Each document has its own
// handler; a document's messages that the handler leaves (result 0) get the MDI child's
// default processing, so WM_CLOSE closes it after the handler has seen it.
struct DocumentWindowSpec {
    std::string className;
    std::vector<ChildControl> controls;
};

class IMdiClient {
public:
    virtual ~IMdiClient() = default;
    virtual WindowHandle handle() const = 0;
    // Over the tab control's display area (and keeps the tab control from painting over it).
    virtual void fitToTabArea(WindowHandle tabControl) = 0;
    virtual void show() = 0;
    // Hides the client and gives the tab control its whole area back; documents survive.
    virtual void hide() = 0;
    // A new document with the caption; its handler sees windowCreated before this returns.
    virtual WindowHandle createDocument(std::string_view caption, IWindowHandler& handler) = 0;
    virtual void destroyDocument(WindowHandle document) = 0;
    virtual IDialogControls* documentControls(WindowHandle document) = 0;
    // Null when there is no document.
    virtual WindowHandle activeDocument() const = 0;
    // Moves the document over the client's whole client area, its own frame included; the
    // document's client area afterwards.
    virtual ControlRect fillWithDocument(WindowHandle document) = 0;
    virtual void cascade() = 0;
    virtual void tile() = 0;
    virtual void arrangeIcons() = 0;
};

class IShell {
public:
    virtual ~IShell() = default;

    // A modal message box owned by owner (the frame for null); the button pressed.
    virtual MessageAnswer messageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                                     MessageButtons buttons, MessageIcon icon) = 0;
    // A modal dialog from the template, driven by the handler; returns the result given to
    // endDialog, or -1 when the dialog cannot be made.
    virtual int runModalDialog(WindowHandle owner, int templateId, IWindowHandler& handler) = 0;
    // The open or save file dialog for bitmaps, owned by the frame; the file to open must
    // exist, the folder of the one to save; the read-only box is hidden. Starts at, and on
    // success keeps, the last path chosen (260 characters); nothing on cancel.
    virtual std::optional<std::string> chooseBitmapFile(const FileChooserRequest& request) = 0;
    // The frame's menu item by command id.
    virtual void setMenuItemChecked(int commandId, bool checked) = 0;
    virtual void setMenuItemEnabled(int commandId, bool enabled) = 0;
    // A bitmap file as pixels; nothing when it cannot be read or is not a bitmap.
    virtual std::optional<RgbImage> loadBitmapFile(const std::string& path) = 0;

    virtual std::unique_ptr<IToolWindow> createToolWindow(const ToolWindowSpec& spec, IWindowHandler& handler) = 0;
    // Made on first use (the page's first Create); null when it cannot be made.
    virtual std::unique_ptr<IMdiClient> createMdiClient(const DocumentWindowSpec& documents) = 0;
};
