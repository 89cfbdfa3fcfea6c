#pragma once

#include "core/ui/Shell.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A shell whose user is a script: message boxes are recorded and answered from a queue,
// modal dialogs run a script against their controls, the file chooser returns queued paths.
// The bookkeeping lives here; the memory shell and the Windows test shell make the dialogs.
class ScriptedShell : public IShell {
public:
    struct Message {
        WindowHandle owner;
        std::string text;
        std::string caption;
        MessageButtons buttons;
        MessageIcon icon;
    };
    // Sends WM_COMMAND with a control id and a notification code to the modal dialog.
    using Command = std::function<void(int id, std::uint16_t code)>;
    // What the user does once a modal dialog shows. A dialog still open when the script
    // returns is cancelled (IDCANCEL), as a user closing it would.
    using ModalScript = std::function<void(IDialogControls& controls, const Command& command)>;

    // Answers for the next message boxes, in order; without one, the first button (OK or Yes).
    void answerMessages(std::initializer_list<MessageAnswer> answers);
    // Scripts for the next modal dialogs, in order; a dialog without one is cancelled at once.
    void scriptModal(ModalScript script);
    // Paths (or cancel) for the next file choosers, in order; without one, cancel.
    void answerFiles(std::initializer_list<std::optional<std::string>> answers);

    const std::vector<Message>& messages() const { return m_messages; }
    // The texts of the message boxes shown, in order.
    std::vector<std::string> messageTexts() const;
    const std::vector<int>& modalTemplates() const { return m_modalTemplates; }
    const std::vector<FileChooserRequest>& fileRequests() const { return m_fileRequests; }
    // A menu item's state as the pages left it; nothing for an item never set.
    std::optional<bool> menuChecked(int commandId) const;
    std::optional<bool> menuEnabled(int commandId) const;

    MessageAnswer messageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                             MessageButtons buttons, MessageIcon icon) override;
    std::optional<std::string> chooseBitmapFile(const FileChooserRequest& request) override;
    void setMenuItemChecked(int commandId, bool checked) override;
    void setMenuItemEnabled(int commandId, bool enabled) override;

protected:
    // For runModalDialog: records the template and hands out its script (null: none).
    ModalScript takeModalScript(int templateId);

private:
    std::vector<Message> m_messages;
    std::deque<MessageAnswer> m_answers;
    std::deque<ModalScript> m_scripts;
    std::vector<int> m_modalTemplates;
    std::deque<std::optional<std::string>> m_files;
    std::vector<FileChooserRequest> m_fileRequests;
    std::vector<std::pair<int, bool>> m_checked;
    std::vector<std::pair<int, bool>> m_enabled;
};
